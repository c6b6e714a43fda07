#pragma once

class QString;

// The program's style sheet, kept in a file.
namespace StyleSheetFile {

// Applies the style sheet in the file, read as UTF-8, to the whole
// application; a file that cannot be opened changes nothing.
void apply(const QString &path);

} // namespace StyleSheetFile
