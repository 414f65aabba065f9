#pragma once
#include <QString>

namespace belegadressen {

// The plain text of a stored remark: RTF loses its control words and groups,
// HTML its tags, plain text stays as it is.
QString plainFromRichText(const QString& stored);

} // namespace belegadressen
