// SPDX-License-Identifier: GPL-3.0-or-later
#include "Figura.h"

#include "toolkit/Application.h"
#include "toolkit/Controls.h"
#include "toolkit/ListBox.h"
#include "toolkit/ListedSpinBox.h"
#include "toolkit/MessageBoxes.h"
#include "toolkit/RadioGroup.h"
#include "toolkit/UpDown.h"

#include "language/Translations.h"
#include "movement/AbsentPair.h"
#include "movement/BoardRoutes.h"
#include "movement/Languages.h"
#include "movement/MainWindowState.h"
#include "movement/SchemeFile.h"
#include "movement/SchemeLine.h"
#include "movement/SchemeSelection.h"
#include "movement/TableList.h"
#include "printing/Products.h"
#include "printing/output/PrintReport.h"

#include "language/Translations.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <algorithm>
#include <array>
#include <string_view>

using toolkit::MakeButton;
using toolkit::MakeLabel;
using toolkit::SansFont;
using toolkit::SetHint;

namespace {

// Room added to the form's width for what to print and the preview.
constexpr int PrintChoiceColumnWidth = 150;
// The print result grows upwards from above "Podgląd" into the column's free room, below the
// cards' language.
constexpr int PrintResultTop = 280;
constexpr int PrintResultBottom = 452;

QString FromCore(const std::string& text) { return QString::fromStdString(text); }

QStringList FromCore(const std::vector<std::string>& lines) {
    QStringList list;
    for (const std::string& line : lines) list.append(FromCore(line));
    return list;
}

}  // namespace

TDrog::TDrog(movement::MovementState& state) : state_(state) {
    setObjectName(QStringLiteral("Drog"));
    setWindowTitle(tr("Wydruk Rozstawików Stolikowych"));
    // The form's width and a column beside the table list for what to print and the preview.
    SetFormGeometry(401, 101, 374 + PrintChoiceColumnWidth, 552);
    setFont(SansFont(13, true));
    CreateControls();
    ConnectHandlers();
    SetTabOrder();
    NameForReaders();
    FormCreate();
}

void TDrog::CreateControls() {
    Label6 = MakeLabel(this, "Label6", tr("Wybrano:"), 80, 8);
    Rds = MakeLabel(this, "Rds", tr("Rund ??"), 80, 28);
    Sts = MakeLabel(this, "Sts", tr("Stołów ??"), 152, 28);
    RdSt = MakeLabel(this, "RdSt", tr("Rd.   St."), 8, 4);

    ListBox1 = new toolkit::ListBox(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(8, 28, 65, 491);
    ListBox1->setFont(SansFont(13, false));
    ListBox1->SetItemHeight(16);
    // The style's scroll bar would hide the table counts of a list that scrolls.
    const std::string widestScheme =
        std::to_string(movement::MaxSchemeRounds) + " " + std::to_string(movement::MaxTables);
    ListBox1->KeepLinesWhole(FromCore(movement::CatalogueListLine(widestScheme)));
    ListBox1->SetHint(tr("Wybór przez podwójne kliknięcie"));

    Label4 = MakeLabel(this, "Label4", tr("St.  NS  WE  Kpl."), 232, 4);
    ListBox2 = new toolkit::ListBox(this);
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    ListBox2->setGeometry(236, 24, 129, 493);
    ListBox2->SetHint(tr("Podwójne kliknięcie zmienia NS z WE"));
    ListBox2->SetShowHint(true);

    GroupBox1 = new QGroupBox(tr("Schemat:"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(90, 56, 125, 137);
    SetHint(GroupBox1, tr("Definiowanie schematu Howell'a"));
    Kestrel = MakeButton(GroupBox1, "Kestrel", tr("Wg &Kestrela"), {4, 16, 117, 25});
    Plover = MakeButton(GroupBox1, "Plover", tr("Wg &Plovera"), {4, 48, 117, 25});
    DuzoZbiornic = MakeButton(GroupBox1, "DuzoZbiornic", tr("Dużo&Zbiornic"), {4, 80, 115, 23});
    // Each hint names the file its button reads.
    const std::array<QPushButton*, movement::ShippedSchemeFiles.size()> fileButtons = {Kestrel, Plover, DuzoZbiornic};
    for (std::size_t k = 0; k < fileButtons.size(); ++k)
        SetHint(fileButtons[k],
                tr("Wybór schematu z pliku %1").arg(QString::fromLatin1(movement::ShippedSchemeFiles[k].fileName)));
    ZPalca = MakeButton(GroupBox1, "ZPalca", tr("&Z palca"), {4, 110, 117, 23});
    SetHint(ZPalca, tr("Ręczne wprowadzanie schematu"));
    for (QPushButton* button : {Kestrel, Plover, DuzoZbiornic, ZPalca}) button->setFont(SansFont(11, true));

    SkkN = new toolkit::RadioGroup(tr("SkokNumeracji"),
                                   {QStringLiteral("??"), QStringLiteral("??"), QStringLiteral("??"), tr("Mitchell")},
                                   2, this);
    SkkN->setObjectName(QStringLiteral("SkkN"));
    SkkN->setFont(SansFont(11, true));
    SkkN->setGeometry(84, 216, 141, 45);

    Nzpl = MakeButton(this, "Nzpl", tr("&Numery dowolne"), {92, 268, 125, 25});
    SetHint(Nzpl, tr("Zmiana numerów na dowolne z przedziału (1,99)"));
    Drukarka = MakeButton(this, "Drukarka", tr("&Ustawienia Druku"), {92, 300, 125, 25});
    SetHint(Drukarka, tr("Wybór drukarki, ustawianie parametrów druku."));
    BegDoc = toolkit::MakeCheckBox(this, "BegDoc", tr("&Dodatk. ust. druku"), {84, 336, 145, 17});
    SetHint(BegDoc, tr("Jeśli Twoja drukarka źle drukuje większą ilość stron, ustaw ten przełącznik."));

    Zakres = MakeLabel(this, "Zakres", tr("Zakres Wydruku:"), 84, 360);
    SetHint(Zakres, tr("Które rozstawiki drukować"));
    Label2 = MakeLabel(this, "Label2", tr("Od Stołu"), 96, 384);
    LabP = MakeLabel(this, "LabP", QStringLiteral("0"), 164, 380);
    OdSt = new toolkit::UpDown(this);
    OdSt->setObjectName(QStringLiteral("OdSt"));
    OdSt->setGeometry(193, 380, 16, 29);
    OdSt->SetMin(1);
    OdSt->SetPosition(1);
    Label3 = MakeLabel(this, "Label3", tr("Do Stołu"), 96, 420);
    LabK = MakeLabel(this, "LabK", QStringLiteral("0"), 164, 416);
    DoSt = new toolkit::UpDown(this);
    DoSt->setObjectName(QStringLiteral("DoSt"));
    DoSt->setGeometry(193, 416, 16, 29);
    DoSt->SetMin(0);
    DoSt->SetPosition(0);
    for (toolkit::Label* label : {LabP, LabK}) label->setFont(SansFont(19, true));

    Drukuj = MakeButton(this, "Drukuj", tr("Dr&ukuj"), {96, 458, 113, 25});
    SetHint(Drukuj, tr("Wydruk tego, co wybrano w polu Wydruk"));
    Koniec = MakeButton(this, "Koniec", tr("&Koniec"), {98, 492, 113, 25});
    for (QPushButton* button : {Drukuj, Koniec}) button->setFont(SansFont(16, true));

    CreatePrintChoiceControls();
}

void TDrog::CreatePrintChoiceControls() {
    constexpr int left = 376;
    constexpr int width = PrintChoiceColumnWidth - 16;
    LabWydruk = MakeLabel(this, "LabWydruk", tr("&Wydruk:"), left, 4);
    Wydruk = new QComboBox(this);
    Wydruk->setObjectName(QStringLiteral("Wydruk"));
    Wydruk->setGeometry(left, 24, width, 23);
    for (const printing::ProductInfo& product : printing::ProductTable)
        Wydruk->addItem(FromCore(language::Interface().Say(product.name)), static_cast<int>(product.product));
    SetHint(Wydruk, tr("Co drukują przyciski Drukuj i Podgląd"));
    LabWydruk->setBuddy(Wydruk);

    LabNieobecna = MakeLabel(this, "LabNieobecna", tr("P&ara nieobecna:"), left, 60);
    Nieobecna = new toolkit::ListedSpinBox(this);
    Nieobecna->setObjectName(QStringLiteral("Nieobecna"));
    Nieobecna->setGeometry(left, 80, 72, 23);
    Nieobecna->setSpecialValueText(tr("brak"));
    SetHint(Nieobecna, tr("Para, która nie gra (numer z kart); jej przeciwnicy mają pauzę"));
    LabNieobecna->setBuddy(Nieobecna);
    KtoNieobecny = new QLabel(this);
    KtoNieobecny->setObjectName(QStringLiteral("KtoNieobecny"));
    KtoNieobecny->setGeometry(left, 104, width, 16);
    SetHint(KtoNieobecny, tr("Która para schematu gra teraz pod tym numerem"));

    LabRozdania = MakeLabel(this, "LabRozdania", tr("&Rozdań w komplecie:"), left, 124);
    Rozdania = new QSpinBox(this);
    Rozdania->setObjectName(QStringLiteral("Rozdania"));
    Rozdania->setGeometry(left, 144, 72, 23);
    Rozdania->setSpecialValueText(tr("brak"));
    Rozdania->setRange(movement::NoBoardsGiven, movement::MaxBoardsPerSet);
    SetHint(Rozdania, tr("Ile rozdań ma każdy komplet: karty podają wtedy numery rozdań i dokąd iść z kompletem"));
    LabRozdania->setBuddy(Rozdania);

    LabTurniej = MakeLabel(this, "LabTurniej", tr("&Turniej:"), left, 176);
    Turniej = new QLineEdit(this);
    Turniej->setObjectName(QStringLiteral("Turniej"));
    Turniej->setGeometry(left, 196, width, 23);
    SetHint(Turniej, tr("Linia u dołu każdej strony: klub, turniej, data; puste – bez niej"));
    LabTurniej->setBuddy(Turniej);

    // The cards may speak another language than the windows: the director's, or the players'.
    LabJezykKart = MakeLabel(this, "LabJezykKart", tr("&Język kart:"), left, 228);
    JezykKart = new QComboBox(this);
    JezykKart->setObjectName(QStringLiteral("JezykKart"));
    JezykKart->setGeometry(left, 248, width, 23);
    for (const movement::Language& language : movement::Languages()) {
        JezykKart->addItem(QString::fromUtf8(language.ownName));
        if (std::string_view(language.code) == language::Interface().language().code)
            JezykKart->setCurrentIndex(JezykKart->count() - 1);
    }
    SetHint(JezykKart, tr("W jakim języku karty, arkusz i podgląd podają swoje napisy"));
    LabJezykKart->setBuddy(JezykKart);

    Podglad = MakeButton(this, "Podglad", tr("P&odgląd"), {left, 458, width, 25});
    Podglad->setFont(SansFont(16, true));
    SetHint(Podglad, tr("Podgląd tego, co wydrukuje przycisk Drukuj"));
    for (QWidget* control :
         std::initializer_list<QWidget*>{Wydruk, Nieobecna, KtoNieobecny, Rozdania, Turniej, JezykKart})
        control->setFont(SansFont(11, false));

    // The whole text of the last print, in as many lines as it takes, just above "Podgląd".
    WynikDruku = new QLabel(this);
    WynikDruku->setObjectName(QStringLiteral("WynikDruku"));
    WynikDruku->setGeometry(left, PrintResultBottom, width, 0);
    WynikDruku->setFont(SansFont(11, false));
    WynikDruku->setWordWrap(true);
    WynikDruku->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    WydrukChange();
}

void TDrog::ConnectHandlers() {
    connect(Koniec, &QPushButton::clicked, this, &TDrog::KoniecClick);
    connect(Kestrel, &QPushButton::clicked, this, &TDrog::KestrelClick);
    connect(Plover, &QPushButton::clicked, this, &TDrog::PloverClick);
    connect(DuzoZbiornic, &QPushButton::clicked, this, &TDrog::DuzoZbiornicClick);
    connect(ListBox1, &toolkit::ListBox::DblClick, this, &TDrog::ListBox1DblClick);
    connect(ListBox2, &toolkit::ListBox::DblClick, this, &TDrog::ListBox2DblClick);
    connect(OdSt, &toolkit::UpDown::Changing, this, &TDrog::OdStChanging);
    connect(DoSt, &toolkit::UpDown::Changing, this, &TDrog::DoStChanging);
    connect(SkkN, &toolkit::RadioGroup::Click, this, &TDrog::SkkNClick);
    connect(ZPalca, &QPushButton::clicked, this, &TDrog::ZPalcaClick);
    connect(Nzpl, &QPushButton::clicked, this, &TDrog::NzplClick);
    connect(Drukarka, &QPushButton::clicked, this, &TDrog::DrukarkaClick);
    connect(Drukuj, &QPushButton::clicked, this, &TDrog::DrukujClick);
    connect(Podglad, &QPushButton::clicked, this, &TDrog::PodgladClick);
    connect(Wydruk, &QComboBox::currentIndexChanged, this, &TDrog::WydrukChange);
    connect(Nieobecna, &QSpinBox::valueChanged, this, &TDrog::ShowAbsentPairMeaning);
}

void TDrog::SetTabOrder() {
    // Column by column as the window is read: the scheme list, the middle column, the table
    // list, what to print.
    QList<QWidget*> order = {ListBox1, Kestrel, Plover, DuzoZbiornic, ZPalca};
    for (int i = 0; i < SkkN->ItemCount(); ++i) order.append(SkkN->Item(i));
    order += {Nzpl,     Drukarka, BegDoc,    OdSt,     DoSt,    Drukuj,    Koniec,
              ListBox2, Wydruk,   Nieobecna, Rozdania, Turniej, JezykKart, Podglad};
    toolkit::SetTabOrder(order);
}

void TDrog::NameForReaders() {
    toolkit::SetReaderName(ListBox1, tr("Schematy z pliku: rundy i stoły"));
    toolkit::SetReaderName(ListBox2, tr("Stoły w pierwszej rundzie: stół, para NS, para WE, komplet"));
    OdSt->SetReaderCaption(tr("Od Stołu"));
    DoSt->SetReaderCaption(tr("Do Stołu"));
    toolkit::SetReaderName(Wydruk, tr("Wydruk"));
    toolkit::SetReaderName(Nieobecna, tr("Para nieobecna, numer z kart"));
    toolkit::SetReaderName(Rozdania, tr("Rozdań w komplecie"));
    toolkit::SetReaderName(Turniej, tr("Turniej: linia drukowana u dołu każdej strony"));
    toolkit::SetReaderName(JezykKart, tr("Język kart"));
}

void TDrog::FormCreate() { ResetSchemeState(); }

void TDrog::FormActivate() {
    OdSt->SetMin(1);
    OdSt->SetMax(state_.TableCount);
    DoSt->SetMin(1);
    DoSt->SetMax(state_.TableCount);
    OdSt->SetPosition(1);
    DoSt->SetPosition(state_.TableCount);
    movement::ResetRangeAndStepChoices(state_);
    ShowStepChoices();
    // Also after "Z palca" and "Numery dowolne", which hid the round count.
    ShowChosenMovement();
    OfferAbsentPairs();
}

void TDrog::ShowChosenMovement() {
    if (!movement::RequireMovement(state_).accepted()) return;
    Sts->SetCaption(tr("Stołów %1").arg(state_.TableCount));
    Rds->SetCaption(tr("Rund %1").arg(state_.RoundCount));
    Rds->show();
}

void TDrog::KoniecClick() { toolkit::Terminate(); }

void TDrog::KestrelClick() { LoadSchemeFile(movement::ShippedSchemeFiles[0]); }
void TDrog::PloverClick() { LoadSchemeFile(movement::ShippedSchemeFiles[1]); }
void TDrog::DuzoZbiornicClick() { LoadSchemeFile(movement::ShippedSchemeFiles[2]); }

void TDrog::LoadSchemeFile(const movement::ShippedSchemeFile& file) {
    const auto load = movement::LoadSchemeFile(state_, file.fileName, file.sourceText);
    if (load.accepted() && load.value().locked) return;

    ListBox1->setVisible(true);
    Rds->setVisible(true);
    ListBox1->SetShowHint(true);
    if (!load.accepted()) {
        toolkit::ShowErrorReport(this, FromCore(language::Interface().Say(load.text())));
        return;
    }
    for (const std::string& line : load.value().listLines) ListBox1->AddLine(FromCore(line));
    const std::string notice =
        movement::SkippedLinesNotice(language::Interface(), load.value().leftOut, load.value().tooLong);
    if (!notice.empty()) toolkit::ShowMessage(this, FromCore(notice));
}

void TDrog::ListBox1DblClick() {
    const int k = ListBox1->ItemIndex();
    if (k < 0) return;
    if (SelectScheme(k).accepted()) ShowChosenMovement();
}

movement::Outcome TDrog::SelectScheme(int k) {
    movement::Outcome outcome = movement::SelectScheme(state_, k, SkkN->ItemIndex());
    if (!outcome.accepted()) {
        toolkit::ShowMessage(this, FromCore(language::Interface().Say(outcome.text())));
        return outcome;
    }
    lista_stol();
    SetPrintRangeSpinners();
    ShowStepChoices();
    emit MovementChosen();
    return outcome;
}

void TDrog::SetPrintRangeSpinners() {
    for (toolkit::UpDown* spinner : {OdSt, DoSt}) {
        spinner->SetMin(1);
        spinner->SetMax(state_.TableCount);
    }
    OdSt->SetPosition(1);
    DoSt->SetPosition(state_.TableCount);
}

void TDrog::ResetSchemeState() {
    movement::ResetSchemeState(state_);
    ClearSchemeControls();
}

void TDrog::ClearSchemeControls() {
    for (toolkit::UpDown* spinner : {OdSt, DoSt}) {
        spinner->SetPosition(0);
        spinner->SetMin(0);
        spinner->SetMax(0);
    }
    for (int item = 0; item < movement::StepChoiceCount; ++item) SkkN->SetItemCaption(item, QString());
    SkkN->SetItemIndex(-1);
    ListBox1->clear();
    Rds->SetCaption(tr("Rund"));
    Sts->SetCaption(tr("Stołów"));
    LabK->SetCaption(QStringLiteral("0"));
    LabP->SetCaption(QStringLiteral("0"));
}

void TDrog::Zakrp() {
    LabP->SetCaption(QStringLiteral("1"));
    DoSt->SetPosition(state_.TableCount);
    movement::PrepareMovementForPrinting(state_, SkkN->ItemIndex());
    ShowStepChoices();
    SkkN->SetItemCaption(3, tr("Mitchell"));
}

void TDrog::ShowStepChoices() {
    for (int item = 0; item < movement::StepChoiceCount; ++item)
        SkkN->SetItemCaption(item, QString::number(state_.StepChoices[item]));
}

void TDrog::lista_stol() {
    ListBox2->SetLines(FromCore(movement::TableListLines(state_)));
    OfferAbsentPairs();
}

void TDrog::OfferAbsentPairs() {
    // The numbers the players know: those the cards print under the numbering chosen now.
    std::vector<int> offered = {movement::NoAbsentPair};
    for (const int32_t number : movement::PrintedPairNumbers(state_))
        if (number > movement::NoAbsentPair) offered.push_back(number);
    std::sort(offered.begin(), offered.end());
    offered.erase(std::unique(offered.begin(), offered.end()), offered.end());
    Nieobecna->SetValues(std::move(offered));
    // The number may stay while the pair it means changes: a swap, another numbering.
    ShowAbsentPairMeaning();
}

void TDrog::ShowAbsentPairMeaning() {
    const QString meaning = FromCore(movement::AbsentPairMeaning(state_, Nieobecna->value()));
    KtoNieobecny->setText(meaning.isEmpty() ? QString() : QStringLiteral("= ") + meaning);
    Nieobecna->setAccessibleDescription(meaning);
}

void TDrog::ListBox2DblClick() {
    // A click beside the lines selects none, and nothing changes.
    if (!movement::SwapNsWe(state_, ListBox2->ItemIndex() + 1).accepted()) return;
    lista_stol();
}

void TDrog::OdStChanging(int position) {
    LabP->SetCaption(QString::number(position));
    state_.PrintFrom = LabP->Caption().toInt();
}

void TDrog::DoStChanging(int position) {
    state_.PrintTo = position;
    LabK->SetCaption(QString::number(position));
}

void TDrog::SkkNClick() {
    const movement::Outcome outcome = movement::ChooseNumberingStep(state_, SkkN->ItemIndex());
    OfferAbsentPairs();
    if (outcome.accepted()) return;
    toolkit::MessageDlg(this, FromCore(language::Interface().Say(outcome.text())));
    SkkN->SetItemIndex(-1);
}

void TDrog::ZPalcaClick() {
    opening_ = movement::TakeOpeningSnapshot(state_, SkkN->ItemIndex());
    movement::BeginTypedScheme(state_);
    ClearSchemeControls();
    emit TypingAsked();
    HideSchemeList();
}

void TDrog::NzplClick() {
    opening_ = movement::TakeOpeningSnapshot(state_, SkkN->ItemIndex());
    const movement::Outcome begun = movement::BeginArbitraryNumbers(state_, SkkN->ItemIndex());
    if (!begun.accepted()) {
        toolkit::MessageDlg(this, FromCore(language::Interface().Say(begun.text())));
        SkkN->SetItemIndex(-1);
        return;
    }
    ClearSchemeControls();
    emit ArbitraryNumbersAsked();
    HideSchemeList();
}

void TDrog::HideSchemeList() {
    ListBox1->hide();
    Rds->hide();
}

void TDrog::GiveBackOpening() {
    SkkN->RestoreItemIndex(movement::RestoreOpeningSnapshot(state_, opening_));
    lista_stol();
}

void TDrog::DrukarkaClick() {
    Zakrp();
    emit PrintSettingsAsked();
}

void TDrog::DrukujClick() { emit PrintAsked(ChosenPrint()); }

void TDrog::PodgladClick() { emit PreviewAsked(ChosenPrint()); }

void TDrog::ShowRefusal(const std::string& message) { toolkit::ShowMessage(this, FromCore(message)); }

void TDrog::ShowFailure(const std::string& message) { toolkit::ShowErrorReport(this, FromCore(message)); }

void TDrog::ShowPrinted(const printing::PrintReport& report) {
    ShowPrintResult(FromCore(printing::Confirmation(language::Interface(), report)));
    const std::string waiting = printing::WaitingNotice(language::Interface(), report);
    if (!waiting.empty()) toolkit::MessageDlg(this, FromCore(waiting));
}

void TDrog::ClearPrintResult() { ShowPrintResult(QString()); }

void TDrog::ShowPrintResult(const QString& text) {
    const QFontMetrics metrics = WynikDruku->fontMetrics();
    const int width = WynikDruku->width();
    // A word wider than the column, such as a long printer name, may break anywhere.
    QStringList words = text.split(QLatin1Char(' '));
    for (QString& word : words) {
        if (metrics.horizontalAdvance(word) <= width) continue;
        QString breakable;
        for (const QChar letter : word) {
            breakable += letter;
            breakable += QChar(0x200B);
        }
        word = breakable;
    }
    if (!text.isEmpty()) toolkit::LogShown(text);
    WynikDruku->setText(words.join(QLatin1Char(' ')));
    const int height = std::clamp(WynikDruku->heightForWidth(width), 0, PrintResultBottom - PrintResultTop);
    WynikDruku->setGeometry(WynikDruku->x(), PrintResultBottom - height, width, height);
    SetHint(WynikDruku, text);
}

PrintChoice TDrog::ChosenPrint() const {
    PrintChoice choice;
    choice.product = static_cast<printing::Product>(Wydruk->currentData().toInt());
    choice.run.first = state_.PrintFrom;
    choice.run.last = state_.PrintTo;
    choice.run.separateJobs = BegDoc->isChecked();
    choice.run.boardsPerSet = Rozdania->value();
    choice.run.event = Turniej->text().toStdString();
    choice.absentPrinted = Nieobecna->isEnabled() ? Nieobecna->value() : movement::NoAbsentPair;
    choice.cardLanguage = movement::Languages()[static_cast<std::size_t>(std::max(JezykKart->currentIndex(), 0))];
    return choice;
}

void TDrog::WydrukChange() {
    // Each product takes what concerns it: the table cards their range, the others every table.
    const auto product = static_cast<printing::Product>(Wydruk->currentData().toInt());
    const printing::ProductInfo& chosen = printing::InfoOf(product);
    for (QWidget* absent : std::initializer_list<QWidget*>{LabNieobecna, Nieobecna, KtoNieobecny})
        absent->setEnabled(chosen.usesAbsentPair);
    for (QWidget* range : std::initializer_list<QWidget*>{Zakres, Label2, LabP, OdSt, Label3, LabK, DoSt})
        range->setEnabled(chosen.usesTableRange);
}
