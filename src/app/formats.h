#pragma once

// The program-wide formats, set by the creation of every screen: decimal
// separator ",", no thousands separator, short date "dd/mm/yyyy", whatever
// the regional settings of the machine.
namespace ProgramFormats {

void apply();

} // namespace ProgramFormats
