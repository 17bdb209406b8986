#include "app/screenregistry.h"

#include <array>

namespace {

using K = ScreenKind;

constexpr std::array<ScreenEntry, 43> kScreens = {{
    {"TfrmPassword", " Ostelio - Accesso al programma", K::Work},
    {"TfrmAvvio", " Ostelio", K::Work},
    {"TfrmCambiaPassword", " Modifica Password", K::Work},
    {"TfrmGuida", " Guida all'utilizzo del software", K::Dialog},
    {"TfrmInfo", " Informazioni su Ostelio", K::Dialog},
    {"TfrmSplash", " Ostelio - Gestionale per strutture ricettive", K::Dialog},
    {"TfrmAllegaCartella", " Allega file", K::Dialog},
    {"TfrmAnteprimaRicevuta", " Anteprima di stampa ricevuta corrente", K::Dialog},
    {"TfrmCarta", " Controllo carta di credito", K::Dialog},
    {"TfrmCartella", " Gestione cartella abbinata alla scheda corrente", K::Dialog},
    {"TfrmClienti", " Ostelio - Anagrafica Clienti", K::Work},
    {"TfrmCodFisc", " Controllo codice fiscale", K::Dialog},
    {"TfrmCodici_Comuni", " Tabella Codici per Comuni d'Italia", K::Dialog},
    {"TfrmCodici_Documenti", "Tabella Codici per Tipo di documento", K::Dialog},
    {"TfrmCodici_Stati", "Tabella Codici per Stato", K::Dialog},
    {"TfrmCodici_Tipo", "Tabella Codici per Tipo di alloggiato", K::Dialog},
    {"TfrmExpClienti", " Esporta archivio Clienti in Microsoft Excel", K::Dialog},
    {"TfrmExpConto", " Esporta e stampa dati in Microsoft Excel", K::Dialog},
    {"TfrmExpRicevute", " Esporta archivio ricevute in Microsoft Excel", K::Dialog},
    {"TfrmExpServizi", " Esporta tariffario prodotti e servizi in Microsoft Excel", K::Dialog},
    {"TfrmGiacenza", " Aggiornamento giacenza", K::Dialog},
    {"TfrmIban", " Controllo IBAN", K::Dialog},
    {"TfrmLogo", "Impostazione logo Ditta", K::Dialog},
    {"TfrmMenuRicevute", " Ostelio - Emissione ricevute", K::Work},
    {"TfrmNumerazione", "Impostazione inizio numerazione", K::Dialog},
    {"TfrmPartitaIva", " Controllo partita IVA", K::Dialog},
    {"TfrmPDF_Ricevuta", " Esportazione ricevuta corrente in PDF", K::Dialog},
    {"TfrmRicevute", " Ostelio - Archivio ricevute", K::Work},
    {"TfrmRiepAnnuale", " Ostelio - Riepilogo annuale ricevute emesse", K::Dialog},
    {"TfrmRiepMensile", " Ostelio - Riepilogo mensile ricevute emesse", K::Dialog},
    {"TfrmRiepTrimestrale", " Ostelio - Riepilogo trimestrale ricevute emesse", K::Dialog},
    {"TfrmServizi", " Ostelio - Tariffario prodotti e servizi", K::Work},
    {"TfrmSospese", " Riepilogo ricevute non saldate", K::Dialog},
    {"TfrmSottoscorta", " Materiali in esaurimento", K::Dialog},
    {"TfrmStampaClienti", " Stampa scheda corrente", K::Dialog},
    {"TfrmStampaConto", " Stampa conto Cliente", K::Dialog},
    {"TfrmStampaRicevuta", " Stampa ricevuta corrente", K::Dialog},
    {"TfrmStampaServizi", " Stampa scheda corrente", K::Dialog},
    {"TfrmStatistiche", " Ostelio - Statistiche ricevute emesse", K::Work},
    {"TfrmTrovaClienti", " Trova Clienti in archivio", K::Dialog},
    {"TfrmTrovaRicevute", " Trova ricevute in archivio", K::Dialog},
    {"TfrmTrovaSegnalati", " Riepilogo Clienti segnalati", K::Dialog},
    {"TfrmTrovaServizi", " Trova prodotto o servizio in tariffario", K::Dialog},
}};

} // namespace

std::span<const ScreenEntry> screenRegistry()
{
    return kScreens;
}

const ScreenEntry *findScreen(QStringView name)
{
    for (const ScreenEntry &entry : kScreens) {
        if (name == QLatin1StringView(entry.name))
            return &entry;
    }
    return nullptr;
}

QString screenCaption(QStringView name)
{
    const ScreenEntry *entry = findScreen(name);
    return entry ? QString::fromUtf8(entry->caption) : QString();
}

bool isApplicationScreen(QStringView name)
{
    const ScreenEntry *entry = findScreen(name);
    return entry && entry->kind == ScreenKind::Work && name != u"TfrmPassword" && name != u"TfrmCambiaPassword";
}
