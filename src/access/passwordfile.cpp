#include "access/passwordfile.h"

#include "access/crypt.h"
#include "app/programfolder.h"
#include "storage/inifile.h"

#include <QFileInfo>

namespace PasswordFile {

namespace {

const QString kSection = QStringLiteral("Accesso");
const QString kKey = QStringLiteral("Valore");

// Blanks and control characters at both ends go, as for every stored text.
QString trimBlanks(const QString &text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start].unicode() <= 0x20)
        ++start;
    while (end > start && text[end - 1].unicode() <= 0x20)
        --end;
    return text.mid(start, end - start);
}

} // namespace

QString fileName()
{
    return QStringLiteral("unins000.dll");
}

QString path()
{
    return ProgramFolder::file(fileName());
}

QString initialPassword()
{
    return QStringLiteral("bergamottolino");
}

QString normalise(const QString &typed)
{
    QString upper = typed;
    for (QChar &c : upper) {
        const QChar capital = c.toUpper();
        if (c.unicode() > 0xFF || capital.unicode() <= 0xFF)
            c = capital;
    }
    return trimBlanks(upper);
}

bool isStorable(const QString &normalised)
{
    if (normalised.size() > 255)
        return false;
    for (QChar c : normalised) {
        if (c.unicode() > 0xFF)
            return false;
    }
    return true;
}

std::optional<QString> readStored(const QString &file)
{
    const auto plain = Crypt::Decipher(IniFile::readString(file, kSection, kKey));
    if (!plain)
        return std::nullopt;
    return trimBlanks(*plain);
}

bool store(const QString &file, const QString &password, QString *error)
{
    return IniFile::writeString(file, kSection, kKey, Crypt::Encipher(normalise(password)).trimmed(), error);
}

bool createInitial(const QString &file, QString *error)
{
    if (QFileInfo::exists(file))
        return true;
    return store(file, initialPassword(), error);
}

LoginResult checkLogin(const QString &file, const QString &typed)
{
    const auto stored = readStored(file);
    if (!stored)
        return LoginResult::ReadError;
    const QString password = normalise(typed);
    // An empty password is never accepted, not even against a missing file.
    if (password.isEmpty() || *stored != password)
        return LoginResult::Refused;
    return LoginResult::Accepted;
}

ChangeResult change(const QString &file, const QString &oldPassword, const QString &newPassword,
                    const QString &confirmation)
{
    const auto stored = readStored(file);
    if (!stored)
        return ChangeResult::Failed;
    if (*stored != normalise(oldPassword))
        return ChangeResult::OldPasswordWrong;
    // The confirmation must be typed exactly as the new password, letter
    // case included, although both would be stored alike.
    if (trimBlanks(newPassword) != trimBlanks(confirmation))
        return ChangeResult::NotConfirmed;
    const QString password = normalise(newPassword);
    if (password.isEmpty() || !isStorable(password))
        return ChangeResult::NotStorable;
    return store(file, password) ? ChangeResult::Changed : ChangeResult::Failed;
}

} // namespace PasswordFile
