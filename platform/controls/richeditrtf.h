#pragma once
// Rich text (RTF) in and out of a rich-edit document: the subset formatted
// texts use (font and colour tables, \b \i \ul \strike \f \fs \cf \plain,
// \pard with \ql \qc \qr \qj, \par \line \tab, \'hh in code page 1252, \uN
// with \ucN, escaped \\ \{ \}). What else a document carries (style sheets,
// pictures, fields' instructions, information) is skipped.
#include <optional>
#include <string>
#include <string_view>

#include "platform/controls/richeditdoc.h"

namespace tv::win {

// Reads RTF bytes; characters without a font of their own take
// `defaults`. Nothing (no value) when the bytes are not RTF or nest deeper
// than the reader follows. Bytes after the closing brace are ignored.
std::optional<RichDocument> ReadRtf(std::string_view bytes, const RichCharFormat& defaults);

// Plain text bytes (UTF-8, Latin-1 when not valid UTF-8) up to a zero byte;
// CR, LF and CR LF each end a paragraph.
RichDocument ReadPlainText(std::string_view bytes, const RichCharFormat& defaults);

// The RTF of [start, end) of a document, followed by a zero byte as the
// window writes it. Reading it back gives the same text and formats, and
// writing that again gives the same bytes.
std::string WriteRtf(const RichDocument& doc, int start, int end);

} // namespace tv::win
