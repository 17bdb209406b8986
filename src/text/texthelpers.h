#pragma once

#include <QString>
#include <QStringView>

// Small text helpers shared by every screen.
namespace Text {

// Removes the characters of code 32 or less (blanks and control characters)
// at both ends.
QString trim(QStringView text);

// Upper case of the letters a to z only; every other character, accented
// letters included, stays as it is ("rmù" → "RMù").
QString upperAZ(QStringView text);
// Lower case of the letters A to Z only.
QString lowerAZ(QStringView text);

// The first or the last k characters (the whole text when it is shorter;
// nothing for k of 0 or less).
QString leftPart(QStringView text, qsizetype k);
QString rightPart(QStringView text, qsizetype k);

// True when every character is one of "0" to "9"; the empty text counts.
bool allDigits(QStringView text);

} // namespace Text
