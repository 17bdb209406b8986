#pragma once

#include <QString>

#include <optional>

// The access password, kept enciphered (Crypt) in the Password file
// "unins000.dll" of the program folder: an INI file, section "Accesso", key
// "Valore". The stored password is always in upper case, and what the user
// types is upper-cased and trimmed before it is compared or stored, so the
// letter case never matters at login. A missing file, section or key reads
// as an empty stored password, which no typed password matches.
namespace PasswordFile {

QString fileName(); // "unins000.dll"
QString path(); // the Password file of the program folder

// The password every new installation starts with.
QString initialPassword();

// A typed password as it is compared and stored: upper-cased character by
// character (a Latin-1 letter whose capital lies outside Latin-1, such as
// "ÿ", stays as it is, so that the stored byte keeps its meaning) and
// trimmed of blanks and control characters at both ends.
QString normalise(const QString &typed);

// Whether a password can be stored and read back as typed: at most 255
// characters, all in the Latin-1 range.
bool isStorable(const QString &normalised);

// The stored password, deciphered and trimmed; nothing when the stored
// value cannot be deciphered.
std::optional<QString> readStored(const QString &file);

// Stores a password (normalised, then enciphered); false with a reason in
// *error when the file could not be written.
bool store(const QString &file, const QString &password, QString *error = nullptr);

// Writes a Password file with the initial password when none is there; a
// file already there is never touched. False when it had to be written and
// could not be.
bool createInitial(const QString &file, QString *error = nullptr);

enum class LoginResult {
    Accepted,
    Refused, // the password differs from the stored one
    ReadError, // the stored value could not be read or deciphered
};
LoginResult checkLogin(const QString &file, const QString &typed);

enum class ChangeResult {
    Changed,
    OldPasswordWrong,
    NotConfirmed, // new and confirmation differ (letter case counts)
    NotStorable, // longer than 255 characters or outside Latin-1
    Failed, // reading, deciphering or writing failed
};
ChangeResult change(const QString &file, const QString &oldPassword, const QString &newPassword,
                    const QString &confirmation);

} // namespace PasswordFile
