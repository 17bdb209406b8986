#include "app/screens.h"

#include "access/tfrmcambiapassword.h"
#include "access/tfrmguida.h"
#include "access/tfrminfo.h"
#include "access/tfrmpassword.h"
#include "app/screenbase.h"
#include "app/tfrmavvio.h"
#include "receipts/tfrmlogo.h"
#include "receipts/tfrmexpricevute.h"
#include "receipts/tfrmstatistiche.h"
#include "receipts/tfrmmenuricevute.h"
#include "receipts/tfrmnumerazione.h"
#include "receipts/tfrmricevute.h"
#include "receipts/tfrmriepiloghi.h"
#include "receipts/tfrmsospese.h"
#include "receipts/tfrmtrovaricevute.h"
#include "receipts/tfrmstamparicevuta.h"
#include "tables/tfrmcarta.h"
#include "tables/tfrmcodfisc.h"
#include "tables/tfrmiban.h"
#include "tables/tfrmpartitaiva.h"

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
    work<TfrmCambiaPassword>("TfrmCambiaPassword");
    work<TfrmMenuRicevute>("TfrmMenuRicevute");
    dialog<TfrmNumerazione>("TfrmNumerazione");
    dialog<TfrmLogo>("TfrmLogo");
    work<TfrmRicevute>("TfrmRicevute");
    dialog<TfrmTrovaRicevute>("TfrmTrovaRicevute");
    dialog<TfrmSospese>("TfrmSospese");
    dialog<TfrmRiepMensile>("TfrmRiepMensile");
    dialog<TfrmRiepTrimestrale>("TfrmRiepTrimestrale");
    dialog<TfrmRiepAnnuale>("TfrmRiepAnnuale");
    dialog<TfrmStampaRicevuta>("TfrmStampaRicevuta");
    dialog<TfrmAnteprimaRicevuta>("TfrmAnteprimaRicevuta");
    dialog<TfrmPDF_Ricevuta>("TfrmPDF_Ricevuta");
    dialog<TfrmCodFisc>("TfrmCodFisc");
    dialog<TfrmPartitaIva>("TfrmPartitaIva");
    dialog<TfrmCarta>("TfrmCarta");
    dialog<TfrmIban>("TfrmIban");
    dialog<TfrmGuida>("TfrmGuida");
    dialog<TfrmInfo>("TfrmInfo");
    dialog<TfrmSplash>("TfrmSplash");
    dialog<TfrmExpRicevute>("TfrmExpRicevute");
    work<TfrmStatistiche>("TfrmStatistiche");
}
