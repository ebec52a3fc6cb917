#include "PortTexts.h"

#include <array>

namespace ign {

namespace {

using Texts = std::array<std::string_view, kLanguageCount>;

// English, Czech, German, in PortText order.
constexpr std::array<Texts, static_cast<std::size_t>(PortText::ProbeBusyLink) + 1> kPortTexts{{
    {"Port %1 is not there. The ports this computer has: %2.",
     "Port %1 neexistuje. Počítač má tyto porty: %2.", "Port %1 ist nicht vorhanden. Vorhandene Ports: %2."},
    {"Port %1 is not there, and this computer reports no serial ports.",
     "Port %1 neexistuje a počítač nehlásí žádné sériové porty.",
     "Port %1 ist nicht vorhanden, und der Computer meldet keine seriellen Ports."},
    {"Port %1 is not there.", "Port %1 neexistuje.", "Port %1 ist nicht vorhanden."},
    {"Port %1 is in use by another program; close that program first.",
     "Port %1 používá jiný program; nejprve ho zavřete.",
     "Port %1 wird von einem anderen Programm benutzt; schließen Sie es zuerst."},
    {"You have no permission to use port %1.", "Nemáte oprávnění používat port %1.",
     "Sie haben keine Berechtigung für Port %1."},
    {" It belongs to the group %2, and user %3 is not in it. This command adds the user to the group "
     "(log out and in again afterwards):\n%4",
     " Port patří skupině %2 a uživatel %3 v ní není. Tento příkaz uživatele do skupiny přidá "
     "(poté se odhlaste a znovu přihlaste):\n%4",
     " Er gehört der Gruppe %2, und Benutzer %3 ist nicht darin. Dieser Befehl fügt den Benutzer der Gruppe "
     "hinzu (danach ab- und wieder anmelden):\n%4"},
    {" User %3 was added to the port's group %2 after this session began: log out and in again.",
     " Uživatel %3 byl do skupiny portu %2 přidán až po začátku této relace: odhlaste se a znovu se "
     "přihlaste.",
     " Benutzer %3 wurde der Gruppe %2 des Ports erst nach Beginn dieser Sitzung hinzugefügt: ab- und "
     "wieder anmelden."},
    {" Ask the computer's administrator for access to it.", " Požádejte správce počítače o přístup k němu.",
     " Bitten Sie den Administrator des Computers um Zugriff darauf."},
    {"Port %1 could not be opened: %2", "Port %1 nelze otevřít: %2", "Port %1 lässt sich nicht öffnen: %2"},
    {"Port %1 could not be opened.", "Port %1 nelze otevřít.", "Port %1 lässt sich nicht öffnen."},
    {"Disconnected", "Odpojeno", "Getrennt"},
    {"Disconnected: %1", "Odpojeno: %1", "Getrennt: %1"},
    {"port not there", "port neexistuje", "Port nicht vorhanden"},
    {"port in use", "port je obsazen", "Port belegt"},
    {"no permission", "chybí oprávnění", "keine Berechtigung"},
    {"port will not open", "port nelze otevřít", "Port lässt sich nicht öffnen"},
    {"The device on %1 does not speak the unit's protocol (wrong port or wrong speed?)",
     "Zařízení na portu %1 nemluví protokolem zapalování (jiný port nebo rychlost?)",
     "Das Gerät an %1 spricht nicht das Protokoll der Zündbox (falscher Port oder falsche Geschwindigkeit?)"},
    {"simulated unit", "simulované zapalování", "simulierte Zündbox"},
    {"not listed by the system", "systém ho neuvádí", "vom System nicht aufgeführt"},
    {"Testing %1 ...", "Testuji %1 ...", "Teste %1 ..."},
    {"A unit answers on %1: version %2, date %3, time %4.",
     "Na portu %1 odpovídá zapalování: verze %2, datum %3, čas %4.",
     "An %1 antwortet eine Zündbox: Version %2, Datum %3, Zeit %4."},
    {"Monitor frames arrive on %1, but no answer to a read came.",
     "Na portu %1 přicházejí data monitoru, ale na čtení nepřišla odpověď.",
     "An %1 kommen Monitordaten, aber auf das Lesen kam keine Antwort."},
    {"Nothing answers on %1 (is the unit switched on and connected to this port?).",
     "Na portu %1 nic neodpovídá (je zapalování zapnuté a připojené k tomuto portu?).",
     "An %1 antwortet nichts (ist die Zündbox eingeschaltet und an diesem Port angeschlossen?)."},
    {"Not now: a transfer is running.", "Teď ne: probíhá přenos.", "Nicht jetzt: eine Übertragung läuft."},
}};

PortText ShortCause(PortFailure failure) {
    switch (failure) {
        case PortFailure::Missing:
            return PortText::CauseMissing;
        case PortFailure::Busy:
            return PortText::CauseBusy;
        case PortFailure::NoPermission:
            return PortText::CauseNoPermission;
        case PortFailure::Other:
            break;
    }
    return PortText::CauseOther;
}

std::string PermissionText(const PortFacts& facts, Byte language) {
    std::string text = FillPortText(PortText::NoPermission, language, {facts.port});
    switch (AdviseOnPermission(facts)) {
        case PermissionAdvice::JoinGroup:
            return text + FillPortText(PortText::JoinGroup, language,
                                       {facts.port, facts.group, facts.user, JoinGroupCommand(facts)});
        case PermissionAdvice::LogInAgain:
            return text + FillPortText(PortText::LogInAgain, language, {facts.port, facts.group, facts.user});
        case PermissionAdvice::AskAdministrator:
            break;
    }
    return text + std::string(PortTextOf(PortText::AskAdministrator, language));
}

std::string Joined(const std::vector<std::string>& names) {
    std::string list;
    for (const std::string& name : names) list += (list.empty() ? "" : ", ") + name;
    return list;
}

}  // namespace

std::string_view PortTextOf(PortText id, Byte language) {
    return kPortTexts[static_cast<std::size_t>(id)][language < kLanguageCount ? language : 0];
}

std::string FillPortText(PortText id, Byte language, std::initializer_list<std::string_view> args) {
    const std::string_view pattern = PortTextOf(id, language);
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(pattern[++i] - '1');
            if (n < args.size()) text += args.begin()[n];
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string PortFailureText(const PortFacts& facts, Byte language) {
    switch (ClassifyPortFailure(facts)) {
        case PortFailure::Missing:
            if (!facts.present) return FillPortText(PortText::MissingUnlisted, language, {facts.port});
            if (facts.present->empty()) return FillPortText(PortText::MissingNoPorts, language, {facts.port});
            return FillPortText(PortText::Missing, language, {facts.port, Joined(*facts.present)});
        case PortFailure::Busy:
            return FillPortText(PortText::Busy, language, {facts.port});
        case PortFailure::NoPermission:
            return PermissionText(facts, language);
        case PortFailure::Other:
            break;
    }
    if (facts.systemText.empty()) return FillPortText(PortText::OtherUnexplained, language, {facts.port});
    return FillPortText(PortText::Other, language, {facts.port, facts.systemText});
}

std::string ConnectionFieldText(const PortReconnect& port, bool speaksNonsense, std::string_view portName,
                                Byte language) {
    switch (port.state()) {
        case PortState::Closed:
            return {};
        case PortState::Open:
            return speaksNonsense ? FillPortText(PortText::Nonsense, language, {portName}) : std::string();
        case PortState::Vanished:
            return std::string(PortTextOf(PortText::Disconnected, language));
        case PortState::Retrying:
            break;
    }
    const PortText cause =
        port.lastFailure() ? ShortCause(ClassifyPortFailure(*port.lastFailure())) : PortText::CauseOther;
    return FillPortText(PortText::NotOpen, language, {PortTextOf(cause, language)});
}

std::string ProbeOutcomeText(const PortProbe& probe, ProbeOutcome outcome, std::string_view portName,
                             Byte language) {
    const auto trimmed = [](std::string_view text) {
        while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
        while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
        return text;
    };
    const UnitIdentification& id = probe.identification();
    switch (outcome) {
        case ProbeOutcome::Running:
            return FillPortText(PortText::ProbeTesting, language, {portName});
        case ProbeOutcome::UnitAnswered:
            return FillPortText(PortText::ProbeUnitAnswered, language,
                                {portName, trimmed(id.version), trimmed(id.date), trimmed(id.time)});
        case ProbeOutcome::MonitorFrames:
            return FillPortText(PortText::ProbeMonitorFrames, language, {portName});
        case ProbeOutcome::Nonsense:
            return FillPortText(PortText::Nonsense, language, {portName});
        case ProbeOutcome::Silent:
            break;
    }
    return FillPortText(PortText::ProbeSilent, language, {portName});
}

}  // namespace ign
