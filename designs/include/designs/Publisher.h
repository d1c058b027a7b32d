#pragma once
// The publisher's name as the windows show it.
#include <QString>

namespace designs {

// The publisher's web-site name.
QString publisherSite();

} // namespace designs
