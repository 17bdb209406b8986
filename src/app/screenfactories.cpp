#include "app/screens.h"

#include "access/tfrmpassword.h"
#include "app/screenbase.h"
#include "app/tfrmavvio.h"
#include "receipts/tfrmmenuricevute.h"

namespace {

template<class T> void work(const char *name)
{
    Screens::setFactory(QString::fromLatin1(name), [](QWidget *) { return new T; });
}

template<class T> void dialog(const char *name)
{
    Screens::setFactory(QString::fromLatin1(name), [](QWidget *parent) { return new T(parent); });
}

} // namespace
void registerScreenFactories()
{
    work<TfrmPassword>("TfrmPassword");
    work<TfrmAvvio>("TfrmAvvio");
    work<TfrmMenuRicevute>("TfrmMenuRicevute");
}
