#pragma once
// One extra part of a painted caption, drawn before the form caption.

#include <QColor>
#include <QFont>
#include <QList>
#include <QMetaType>
#include <QString>
#include <optional>

struct TRxCaption {
    QString text;
    std::optional<QFont> font; // unset: the caption's own font
    QColor color;              // invalid: the caption's text colour
    QColor inactiveColor;      // invalid: the caption's inactive text colour
    bool visible = true;
    bool glueNext = false; // no gap between this part and the next one

    friend bool operator==(const TRxCaption&, const TRxCaption&) = default;
};

using TRxCaptionList = QList<TRxCaption>;

Q_DECLARE_METATYPE(TRxCaption)
