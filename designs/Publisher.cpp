#include "designs/Publisher.h"

namespace designs {

QString publisherSite()
{
    return QStringLiteral("www.tavlinworks.example");
}

} // namespace designs
