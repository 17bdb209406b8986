#include "app/clock.h"

namespace {
QDateTime &fixedMoment()
{
    static QDateTime value;
    return value;
}
} // namespace

namespace Clock {

QDateTime now()
{
    return fixedMoment().isValid() ? fixedMoment() : QDateTime::currentDateTime();
}

QDate today()
{
    return now().date();
}

void setOverride(const QDateTime &moment)
{
    fixedMoment() = moment;
}

} // namespace Clock
