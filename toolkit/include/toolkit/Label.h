#pragma once
// A label: a caption in a designed font, aligned, wrapped at word boundaries
// within its width, on its own background or transparent.
#include "toolkit/Control.h"

#include <QLabel>

namespace tk {

class Label : public Control<QLabel> {
    Q_OBJECT
public:
    explicit Label(QWidget *parent = nullptr)
        : Control<QLabel>(parent)
    {
        setTextFormat(Qt::PlainText);
        setWordWrap(true);
        setAlignment(Qt::AlignTop | Qt::AlignLeft);
    }

    QString Caption() const { return text(); }
    void setCaption(const QString &caption) { setText(caption); }
};

} // namespace tk
