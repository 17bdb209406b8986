#include "access/guidetopics.h"

#include <QRegularExpression>

namespace {

const QString kBreak = QStringLiteral("\r\n\r\n");

GuideTopic topic(const char *title, std::initializer_list<const char *> paragraphs)
{
    QStringList texts;
    for (const char *paragraph : paragraphs)
        texts.append(QString::fromUtf8(paragraph));
    return {QString::fromUtf8(title), texts.join(kBreak)};
}

} // namespace

QStringList GuideTopic::paragraphs() const
{
    static const QRegularExpression blankLine(QStringLiteral("(?:\\r?\\n){2,}"));
    QStringList out;
    for (const QString &paragraph : text.split(blankLine)) {
        const QString trimmed = paragraph.trimmed();
        if (!trimmed.isEmpty())
            out.append(trimmed);
    }
    return out;
}

namespace GuideTopics {

GuideTopic overview()
{
    return topic(
        "Uno sguardo a Ostelio.",
        {
            "Ostelio è il programma pensato per la gestione quotidiana di alberghi, pensioni, bed and breakfast, "
            "residence, case vacanza e campeggi. Dalla schermata iniziale si accede alle tre applicazioni che lo "
            "compongono: Anagrafica Clienti, Tariffario prodotti e servizi ed Emissione ricevute. Ogni applicazione "
            "dispone di una propria guida, richiamabile in qualsiasi momento con il pulsante del punto interrogativo.",

            "L'Anagrafica Clienti raccoglie le schede degli ospiti: cognome e nome, sesso, data e luogo di nascita, "
            "cittadinanza, residenza, recapiti telefonici e indirizzo e-mail, estremi del documento di identità, "
            "dati di pagamento, preferenze sul soggiorno e note. I dati anagrafici sono quelli richiesti per la "
            "comunicazione degli alloggiati alla Questura.",

            "Ogni scheda contiene anche il conto del Cliente: fino a trenta righe con data, descrizione e importo "
            "dei servizi e delle consumazioni addebitati durante il soggiorno, oltre all'acconto versato. Il totale "
            "del conto viene calcolato automaticamente e, al termine del soggiorno, il conto può essere riportato "
            "in una ricevuta con un solo clic.",

            "Per inserire un nuovo Cliente si preme il pulsante Nuovo, si compila la scheda e la si salva con il "
            "pulsante Salva. Una scheda già presente in archivio si richiama con la ricerca o con le frecce di "
            "scorrimento, si modifica e si salva di nuovo: le modifiche sostituiscono i dati precedenti.",

            "Il tipo di alloggiato, il comune e lo stato di nascita, la cittadinanza, il tipo di documento e il "
            "luogo di rilascio si scelgono dalle tabelle ufficiali dei codici: un doppio clic sulla voce desiderata "
            "riporta nella scheda il codice e la descrizione, senza errori di battitura.",

            "La casella Segnala permette di contrassegnare i Clienti da seguire con particolare attenzione; il "
            "riepilogo dei Clienti segnalati li elenca tutti e consente di riaprirne la scheda.",

            "Accanto ai campi principali si trovano i pulsanti di controllo del codice fiscale, della partita IVA, "
            "del numero di carta di credito e del codice IBAN, che verificano la correttezza formale dei dati "
            "inseriti. Il pulsante della busta apre il programma di posta elettronica già indirizzato al Cliente.",

            "Ogni scheda può avere una propria cartella di documenti, creata automaticamente nella cartella del "
            "programma, e fino a tre file allegati, come la scansione del documento di identità o un contratto, "
            "che si aprono direttamente dalla scheda.",

            "La ricerca trova i Clienti anche indicando solo una parte del cognome, del nome o degli altri dati, "
            "combinando più criteri insieme. La scheda corrente e il conto si possono stampare, e l'intero "
            "archivio dei Clienti o il conto possono essere esportati in un file di Microsoft Excel.",

            "Il Tariffario prodotti e servizi raccoglie le voci che si addebitano ai Clienti: camere, pasti, "
            "bevande, escursioni e ogni altro prodotto o servizio, con prezzo, tipologia, orari, personale, "
            "fornitore, giacenza, costo e valore. Il pulsante Duplica crea una copia della scheda corrente, utile "
            "per registrare tariffe diverse dello stesso servizio in periodi differenti dell'anno.",

            "Per i prodotti si può tenere la giacenza di magazzino, aumentandola o diminuendola con gli appositi "
            "pulsanti, e fissare una soglia di sottoscorta: l'elenco dei materiali in esaurimento mostra le voci "
            "arrivate alla soglia o scese al di sotto e si può stampare.",

            "L'applicazione Emissione ricevute permette di emettere ricevute numerate su carta o in formato PDF, "
            "con il logo personalizzato della propria attività, impostabile dall'apposito pulsante, e con un "
            "numero iniziale a scelta per la numerazione automatica.",

            "In ogni ricevuta si indicano gli acconti già versati, la tassa di soggiorno giornaliera e il numero "
            "dei giorni. Il totale viene calcolato automaticamente: gli importi sono in euro e si possono scrivere "
            "con un massimo di quattro decimali, mentre il totale da pagare è arrotondato al centesimo.",

            "I dati della Ditta emittente e la tassa di soggiorno giornaliera vengono salvati automaticamente alla "
            "chiusura dell'archivio delle ricevute e riproposti alla successiva apertura, così non occorre "
            "riscriverli ogni volta.",

            "Il numero di una nuova ricevuta si ottiene con il pulsante Nuovo e tiene conto delle ricevute già "
            "presenti nell'archivio dell'anno, partendo da 1; con la funzione di impostazione della numerazione "
            "si può far partire la numerazione da un numero più alto. Si può scegliere una semplice numerazione "
            "progressiva annuale oppure il numero seguito dall'anno di emissione, per esempio 13/2024.",

            "Della ricevuta fanno parte anche la partita IVA e il codice fiscale del Cliente; a piè di pagina viene "
            "stampata l'informativa sul trattamento dei dati personali.",

            "La casella Saldata indica le ricevute già pagate; il riepilogo delle ricevute non saldate elenca "
            "quelle ancora da incassare. Le ricevute si ritrovano con la ricerca; i pulsanti M, T e A mostrano i "
            "riepiloghi mensile, trimestrale e annuale delle ricevute emesse, e l'intero archivio si può esportare "
            "in Microsoft Excel.",

            "I grafici statistici mostrano gli incassi di ogni mese di un anno a scelta, come barre "
            "tridimensionali o come grafico a torta, con i totali arrotondati all'euro.",

            "Tutti i dati sono conservati in semplici file nella cartella del programma: Ostelio può quindi essere "
            "usato anche da una chiavetta USB, e per fare una copia di sicurezza basta copiare l'intera cartella "
            "del programma su un altro disco.",

            "All'avvio il programma chiede la password di accesso. La password iniziale è bergamottolino: è "
            "consigliabile sostituirla al più presto con il pulsante Cambia Password della schermata di accesso.",

            "Buon lavoro con Ostelio!",
        });
}

GuideTopic customers()
{
    return topic(
        "Applicazione Anagrafica Clienti.",
        {
            "L'Anagrafica Clienti conserva una scheda per ogni ospite. La scheda raccoglie i dati anagrafici "
            "(cognome, nome, sesso, data, comune e stato di nascita, cittadinanza), la residenza, i recapiti "
            "telefonici e l'indirizzo e-mail, il tipo di alloggiato, gli estremi del documento di identità con il "
            "luogo di rilascio, i dati di pagamento, le preferenze sul soggiorno e le note.",

            "Nella stessa scheda si tiene il conto del Cliente: fino a trenta righe con data, descrizione e importo "
            "dei servizi e delle consumazioni, oltre all'acconto già versato. Le voci del tariffario si possono "
            "importare nelle righe del conto con il pulsante a destra di ogni riga; il totale si calcola "
            "automaticamente. Al termine del soggiorno il conto si riporta in una ricevuta e si può svuotare.",

            "Per inserire un nuovo Cliente si preme Nuovo, si compilano i campi e si preme Salva. Per modificare "
            "una scheda esistente la si richiama con la ricerca o con le frecce di scorrimento, si apportano le "
            "modifiche e si preme di nuovo Salva: i nuovi dati sostituiscono quelli precedenti.",

            "Il tipo di alloggiato, il comune e lo stato di nascita, la cittadinanza, il tipo di documento e il "
            "luogo di rilascio si scelgono dalle tabelle ufficiali dei codici, aperte con i pulsanti accanto ai "
            "campi: un doppio clic sulla voce desiderata riporta nella scheda il codice e la descrizione. I comuni "
            "si cercano per provincia.",

            "La casella Segnala contrassegna i Clienti da seguire con attenzione; il riepilogo dei Clienti "
            "segnalati li elenca tutti e permette di riaprirne la scheda con un doppio clic.",

            "I pulsanti di controllo verificano il codice fiscale, la partita IVA, il numero della carta di credito "
            "e il codice IBAN. Il pulsante della busta apre il programma di posta elettronica con l'indirizzo del "
            "Cliente già inserito.",

            "Ogni scheda può avere una propria cartella di documenti, creata alla prima apertura nella cartella del "
            "programma, e fino a tre file allegati, che si aprono con il programma predefinito del computer.",

            "La ricerca trova i Clienti anche con una sola parte del cognome, del nome o degli altri dati e con più "
            "criteri contemporaneamente; l'elenco dei risultati si può stampare e un doppio clic apre la scheda "
            "trovata. La scheda corrente e il conto si possono stampare, e l'archivio dei Clienti e il conto si "
            "possono esportare in un file di Microsoft Excel.",
        });
}

GuideTopic priceList()
{
    return topic(
        "Applicazione Tariffario prodotti e servizi.",
        {
            "Il Tariffario raccoglie i prodotti e i servizi offerti ai propri Clienti. Le sue voci si richiamano "
            "durante la compilazione delle ricevute e si possono importare nel conto di ogni Cliente, senza doverle "
            "riscrivere ogni volta.",

            "Ogni scheda contiene la descrizione, il prezzo, la tipologia, gli orari del servizio, il personale "
            "incaricato, il fornitore, la giacenza di magazzino, la soglia di sottoscorta, il costo, il valore e le "
            "note.",

            "Per inserire una nuova voce si preme Nuovo, si compila la scheda e si preme Salva. Una scheda già "
            "presente si richiama con la ricerca o con le frecce di scorrimento, si modifica e si salva di nuovo. "
            "Il pulsante Duplica crea una copia della scheda corrente: è utile per registrare più tariffe dello "
            "stesso prodotto o servizio in periodi diversi dell'anno.",

            "I pulsanti di carico e scarico aumentano o diminuiscono la giacenza della quantità indicata. Quando la "
            "giacenza raggiunge la soglia di sottoscorta o scende al di sotto, la voce compare nell'elenco dei "
            "materiali in esaurimento, che si apre con il pulsante S e si può stampare.",

            "La ricerca permette di combinare più filtri contemporaneamente. A ogni scheda si possono allegare fino "
            "a tre file; la scheda corrente si può stampare e l'intero tariffario si può esportare in un file di "
            "Microsoft Excel.",
        });
}

GuideTopic receipts()
{
    return topic(
        "Applicazione Emissione ricevute.",
        {
            "Questa applicazione permette di emettere ricevute per i propri Clienti, da stampare su carta o da "
            "salvare in formato PDF. I dati del Cliente, insieme ai servizi e alle consumazioni del suo conto, si "
            "importano dall'Anagrafica Clienti con il pulsante della freccia obliqua grigia; con il pulsante a "
            "destra del nome del Cliente si importano i soli dati anagrafici. Le singole voci del tariffario si "
            "aggiungono poi con il pulsante a destra di ogni riga.",

            "Dall'archivio delle ricevute si consultano i riepiloghi delle ricevute emesse e, dal menu delle "
            "ricevute, i grafici statistici tridimensionali degli incassi mensili.",

            "Il logo della propria attività, stampato su ogni ricevuta, si imposta con l'apposito pulsante accanto "
            "ai dati della Ditta emittente; un'altra funzione permette di scegliere il numero iniziale della "
            "numerazione automatica.",

            "In ogni ricevuta si indicano gli acconti già versati, la tassa di soggiorno giornaliera e il numero "
            "dei giorni. Il pulsante CALCOLA determina automaticamente il totale dei corrispettivi, il totale della "
            "tassa di soggiorno e il totale da pagare. Gli importi sono espressi in euro e si possono scrivere con "
            "un massimo di quattro decimali; il totale è arrotondato al centesimo.",

            "I dati della Ditta emittente e la tassa di soggiorno giornaliera vengono salvati automaticamente alla "
            "chiusura dell'archivio e riproposti alla successiva apertura.",

            "Il pulsante Nuovo predispone una nuova ricevuta e ne propone il numero, che tiene conto delle ricevute "
            "già presenti nell'archivio dell'anno partendo da 1. Con la funzione di impostazione della numerazione "
            "si può far partire la numerazione da un numero più alto, per esempio per proseguire quella di un "
            "blocchetto cartaceo.",

            "Si può scegliere una semplice numerazione progressiva annuale (1, 2, 3...) oppure il numero seguito "
            "dall'anno di emissione (1/2024, 2/2024...).",

            "Per i Clienti che ne hanno bisogno si indicano la partita IVA e il codice fiscale, verificabili con i "
            "pulsanti di controllo. A piè di ogni ricevuta viene stampata l'informativa sul trattamento dei dati "
            "personali.",

            "La casella Saldata indica le ricevute già pagate; il riepilogo delle ricevute non saldate elenca "
            "quelle ancora da incassare e permette di riaprirle.",

            "La ricerca ritrova le ricevute in archivio con più criteri contemporaneamente. I pulsanti M, T e A "
            "mostrano i riepiloghi mensile, trimestrale e annuale delle ricevute emesse, e l'intero archivio "
            "dell'anno si può esportare in un file di Microsoft Excel.",

            "I grafici statistici mostrano gli incassi di ogni mese di un anno solare a scelta, come grafico a "
            "torta o a barre tridimensionali, con i totali arrotondati all'euro.",
        });
}

GuideTopic charts()
{
    return topic(
        "Grafici statistici incassi mensili.",
        {
            "Questa schermata mostra gli incassi di ogni mese di un anno solare. Indicare l'anno con quattro cifre "
            "e premere il pulsante Apri: il programma legge l'archivio delle ricevute di quell'anno e somma i "
            "totali delle ricevute di ciascun mese.",

            "Il grafico presenta dodici barre tridimensionali, una per ogni mese: più alta è la barra, maggiore è "
            "l'incasso del mese. Con l'apposito pulsante si passa al grafico a torta, che mostra la parte "
            "dell'incasso annuale di ogni mese, e si torna poi alle barre.",

            "I totali mostrati sono arrotondati all'euro. Il pulsante Stampa grafico stampa il grafico visualizzato "
            "sulla stampante predefinita.",
        });
}

GuideTopic summaries()
{
    return topic(
        "Riepiloghi ricevute emesse.",
        {
            "I riepiloghi elencano le ricevute emesse in un periodo con i loro totali. Si aprono dall'archivio "
            "delle ricevute con i pulsanti M (riepilogo mensile), T (riepilogo trimestrale) e A (riepilogo "
            "annuale).",

            "Nel riepilogo mensile si sceglie il mese e in quello trimestrale il trimestre; il riepilogo annuale "
            "considera tutto l'anno dell'archivio aperto. Il pulsante Visualizza mostra l'elenco delle ricevute "
            "del periodo con il totale incassato, il totale delle ricevute saldate e quello delle ricevute ancora "
            "da saldare.",

            "Il pulsante Trova cerca un testo nell'elenco, per esempio un numero di ricevuta o il nome di un "
            "Cliente. Il pulsante Stampa riepilogo stampa l'elenco visualizzato.",
        });
}

GuideTopic receiptsExport()
{
    return topic(
        "Esportazione archivio ricevute in Microsoft Excel.",
        {
            "Questa funzione esporta l'archivio delle ricevute dell'anno in un foglio di lavoro che può essere "
            "aperto da Microsoft Excel e da qualsiasi altro programma in grado di leggere i file in formato XLS.",

            "Un clic sull'icona del foglio di calcolo crea il file nella cartella del programma e propone di "
            "aprirlo subito.",

            "Una volta aperto, il foglio di lavoro può essere salvato con il nome e nella cartella che si "
            "preferiscono.",
        });
}

GuideTopic customersExport()
{
    return topic(
        "Esportazione archivio Clienti in Microsoft Excel.",
        {
            "Questa funzione esporta l'archivio dei Clienti in un foglio di lavoro che può essere aperto da "
            "Microsoft Excel e da qualsiasi altro programma in grado di leggere i file in formato XLS.",

            "Premere il pulsante Esporta: il file viene creato nella cartella del programma e il programma "
            "propone di aprirlo subito.",

            "Una volta aperto, il foglio di lavoro può essere salvato con il nome e nella cartella che si "
            "preferiscono.",
        });
}

GuideTopic priceListExport()
{
    return topic(
        "Esportazione tariffario prodotti e servizi in Microsoft Excel.",
        {
            "Il comando Esporta archivio scrive il tariffario dei prodotti e dei servizi in un foglio di lavoro "
            "che può essere aperto da Microsoft Excel e da qualsiasi altro programma in grado di leggere i file in "
            "formato XLS.",

            "Un clic sull'icona di Excel crea il file nella cartella del programma e propone di aprirlo subito.",

            "Una volta aperto, il foglio di lavoro può essere salvato con il nome e nella cartella che si "
            "preferiscono.",
        });
}

QList<GuideTopic> all()
{
    return {overview(),  customers(), priceList(),       receipts(),         summaries(),
            charts(),    receiptsExport(), customersExport(), priceListExport()};
}

} // namespace GuideTopics
