#pragma once

#include <QString>
#include <QTextDocument>

namespace tunelot {

// The help document's rich text, with the maker's name and web address filled in.
QString HelpDocumentHtml();

// Gives every paragraph but the last `points` of space before and after it.
void SpaceParagraphs(QTextDocument& document, qreal points);

}  // namespace tunelot
