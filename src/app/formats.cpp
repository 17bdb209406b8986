#include "app/formats.h"

#include <QLocale>

namespace ProgramFormats {

void apply()
{
    QLocale locale(QLocale::Italian, QLocale::Italy);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(locale);
}

} // namespace ProgramFormats
