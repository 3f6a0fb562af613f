#include "app/files/program_file_name.h"

#include <QDir>
#include <QFileInfo>

namespace trazor {

namespace {

    // Start of the file name in `path`. The native separator counts as well, so that a Windows path
    // written with "\" splits where the user sees it; elsewhere "\" is an ordinary character.
    qsizetype NameStart(const QString& path)
    {
        return QDir::fromNativeSeparators(path).lastIndexOf(u'/') + 1;
    }

} // namespace

QString FileNamePart(const QString& path) { return path.mid(NameStart(path)); }

QString WithUpperCaseFileName(const QString& path)
{
    const qsizetype start = NameStart(path);
    return path.left(start) + path.mid(start).toUpper();
}

bool ReplacesUnconfirmedFile(const QString& chosenPath, const QString& upperCasePath)
{
    if (chosenPath == upperCasePath)
        return false;
    const QFileInfo upper(upperCasePath);
    if (!upper.exists())
        return false;
    // On a case-insensitive file system both names are the one file the dialog asked about.
    const QFileInfo chosen(chosenPath);
    return !chosen.exists() || chosen.canonicalFilePath() != upper.canonicalFilePath();
}

} // namespace trazor
