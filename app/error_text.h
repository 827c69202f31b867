#pragma once
// The text of the error box: the error's message with a full stop appended
// when its last character's code is above the full stop's own (46), so
// "Range check error" becomes "Range check error." while a message ending in
// a full stop, a comma or a blank is left alone.

#include <QString>

QString ErrorBoxText(const QString& message);
