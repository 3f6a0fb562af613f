// File names of programs: what the label above the editor shows, and the names Save As writes.
#pragma once

#include <QString>

namespace trazor {

// The part of `path` after its last folder separator: the text the label above the editor shows.
QString FileNamePart(const QString& path);

// `path` with its file name in upper case and its folders as they are: Save As writes "o1234.min"
// as "O1234.MIN". Upper-casing the folders too would name folders that do not exist on a
// case-sensitive file system.
QString WithUpperCaseFileName(const QString& path);

// Whether saving as `upperCasePath` would replace an existing file the save dialog never asked
// about: the dialog confirmed only `chosenPath`, and on a case-sensitive file system the
// upper-case name can be another file.
bool ReplacesUnconfirmedFile(const QString& chosenPath, const QString& upperCasePath);

} // namespace trazor
