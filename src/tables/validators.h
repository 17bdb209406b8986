#pragma once

#include <QString>
#include <QStringView>

// The checks of Italian tax codes, VAT numbers, payment card numbers and
// IBANs. Pure functions on text: the check screens decide what to show.
namespace Validators {

// Tax code (codice fiscale): the check letter of the first fifteen
// characters ('A' to 'Z'), or a null character when one of them is not
// '0'-'9' or 'A'-'Z' (upper case).
QChar taxCodeCheckLetter(QStringView first15);
// Sixteen characters, upper case, whose last one is the check letter of the
// others. Only the check letter is verified, not where letters and digits
// stand, so the codes of people with the same data are accepted too.
bool isValidTaxCode(QStringView code);

// The tax-code buttons of the editors hand a text made only of the digits
// 0 to 9 (and not empty) to the VAT number check, anything else to the tax
// code check.
bool belongsToVatCheck(QStringView fieldText);

// VAT number (partita IVA): the check digit (0-9) of the first ten
// characters, or -1 when one of them is not a digit.
int vatCheckDigit(QStringView first10);
// Eleven digits whose last one is the check digit of the others.
bool isValidVatNumber(QStringView number);
// The municipality of the VAT office with a three-digit code (the 8th to
// 10th digits of a number); an empty text for a code not in the table.
QString vatOfficeName(QStringView officeCode);

// Payment card number: the digits found among the first 20 characters are
// checked with the Luhn check digit. Returns 0 when the check digit is wrong
// (or there are no digits), otherwise the first digit minus 2: 1 for a
// number starting with 3, 2 for 4, 3 for 5, 4 for 6.
int CardCheck(QStringView text);
// The digits the card check works on: those among the first 20 characters.
QString cardCheckedDigits(QStringView text);
// The card type of a number that passed CardCheck, from its leading digits:
// "Diner's Club / Carte Blanche", "American Express", "JCB", "Visa",
// "MasterCard" or "Discover"; empty when the leading digits name no type.
QString cardTypeName(QStringView digits);

// IBAN: true when the text, without blanks, upper-cased, without the word
// "IBAN", with its first four characters moved to the end and its letters
// turned into numbers (A = 10 ... Z = 35), leaves remainder 1 when divided
// by 97.
bool IbanCheck(QStringView text);
// The remainder modulo 97 of a string of decimal digits, computed piece by
// piece so that no intermediate number has more than nine digits; -1 when
// the text holds a character other than a digit.
int remainder97(QStringView digits);

} // namespace Validators
