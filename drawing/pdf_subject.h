#pragma once
// Qt's PDF writer sets a document's title but not its subject. This adds a
// /Subject entry to the document information of a PDF as Qt writes it, and
// moves the cross-reference table's offsets to match.

#include <QByteArray>
#include <QString>

namespace tavrin {

// The PDF with `subject` in its document information. A file laid out
// otherwise than Qt lays it out comes back unchanged: without a subject, but
// whole.
QByteArray WithPdfSubject(const QByteArray& pdf, const QString& subject);

} // namespace tavrin
