#pragma once

namespace zirn {

class Settings;

// Copies the input document's title, subject, keywords and author into the record. All four
// fields are assigned on every call: an entry that is missing or not text gives empty text,
// and so does a file that cannot be read as PDF. The keywords entry is one text in PDF and
// is taken whole. Shows nothing; an unreadable input is reported at Create.
void readDocumentInfo(Settings& settings);

} // namespace zirn
