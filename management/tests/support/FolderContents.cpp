#include "support/FolderContents.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

std::map<std::string, std::string> FolderContents(const QString& folder)
{
    std::map<std::string, std::string> contents;
    const QDir directory(folder);
    for (const QString& name :
         directory.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        const QString path = directory.filePath(name);
        struct stat entry {};
        ::lstat(QFile::encodeName(path).constData(), &entry);
        QString what;
        if (S_ISLNK(entry.st_mode)) {
            what = QStringLiteral("link to ") + QFile::symLinkTarget(path);
        } else if (S_ISREG(entry.st_mode)) {
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            what = QString::fromLatin1(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex());
        } else {
            what = S_ISDIR(entry.st_mode) ? QStringLiteral("folder")
                                          : QStringLiteral("kind %1").arg(entry.st_mode & S_IFMT);
        }
        contents[name.toStdString()] = what.toStdString();
    }
    return contents;
}
