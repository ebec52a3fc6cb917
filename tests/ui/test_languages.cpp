#include "ThrowawaySettings.h"
#include "WindowTest.h"
#include "language/ApplyLanguage.h"
#include "language/Jazyk1.h"
#include "language/Jazyk2.h"
#include "language/Jazyk3.h"
#include "language/NewTexts.h"
#include "language/OwnText.h"
#include "window/Hlav.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QtTest>

#include <memory>
#include <set>
#include <utility>
#include <vector>

using namespace ign;

namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const LanguageTable& TableByName(const QString& name) {
    if (name == "Czech") return CzechTable();
    if (name == "German") return GermanTable();
    return EnglishTable();
}

QObject* Find(QWidget& window, std::string_view name) {
    return window.objectName() == Q(name) ? &window : window.findChild<QObject*>(Q(name));
}

QString ShownCaption(QObject& target) {
    if (auto* action = qobject_cast<QAction*>(&target)) return action->text();
    if (auto* menu = qobject_cast<QMenu*>(&target)) return menu->title();
    if (auto* group = qobject_cast<QGroupBox*>(&target)) return group->title();
    if (auto* button = qobject_cast<QAbstractButton*>(&target)) return button->text();
    if (auto* label = qobject_cast<QLabel*>(&target)) return label->text();
    auto* page = qobject_cast<QWidget*>(&target);
    for (QWidget* w = page ? page->parentWidget() : nullptr; w != nullptr; w = w->parentWidget()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) return tabs->tabText(tabs->indexOf(page));
    }
    return "<no caption>";
}

QString ShownStatusTip(QObject& target) {
    if (auto* action = qobject_cast<QAction*>(&target)) return action->statusTip();
    if (auto* menu = qobject_cast<QMenu*>(&target)) return menu->menuAction()->statusTip();
    return qobject_cast<QWidget*>(&target)->statusTip();
}

// Every assignment of the table that the window does not show right now, one line each.
QStringList Mismatches(QWidget& window, const LanguageTable& table) {
    QStringList out;
    for (const TextAssignment& a : table.assignments) {
        QObject* target = Find(window, a.object);
        if (target == nullptr) {
            out << Q(a.object) + ": missing";
            continue;
        }
        QString shown;
        QString expected = Q(a.text);
        switch (a.target) {
            case TextTarget::WindowTitle:
                shown = qobject_cast<QWidget*>(target)->windowTitle();
                break;
            case TextTarget::CheckMark:
                shown = qobject_cast<QAction*>(target)->isChecked() ? Q(kCheckOn) : Q(kCheckOff);
                break;
            case TextTarget::StatusHint:
                shown = ShownStatusTip(*target);
                break;
            case TextTarget::Message:
                shown = qobject_cast<OwnText*>(target)->text();
                break;
            case TextTarget::Hint: {
                const HintParts parts = SplitHint(a.text);
                expected = parts.tooltip + "|" + parts.status;
                shown = qobject_cast<QWidget*>(target)->toolTip() + "|" + ShownStatusTip(*target);
                break;
            }
            default:
                shown = ShownCaption(*target);
                break;
        }
        if (shown != expected)
            out << Q(a.object) + ": shows \"" + shown + "\", expected \"" + expected + "\"";
    }
    return out;
}

bool TypeFits(QObject& target, TextTarget kind) {
    const bool isAction = qobject_cast<QAction*>(&target) != nullptr;
    const bool isMenu = qobject_cast<QMenu*>(&target) != nullptr;
    switch (kind) {
        case TextTarget::WindowTitle:
            return target.isWidgetType() && qobject_cast<QWidget*>(&target)->isWindow();
        case TextTarget::MenuTitle:
            return isMenu;
        case TextTarget::ActionText:
            return isAction;
        case TextTarget::CheckMark:
            return isAction && qobject_cast<QAction*>(&target)->isCheckable();
        case TextTarget::StatusHint:
            return isAction || isMenu || target.isWidgetType();
        case TextTarget::Hint:
            return target.isWidgetType() && !isMenu;
        case TextTarget::RadioItems:
            return qobject_cast<QAbstractButton*>(&target) != nullptr;
        case TextTarget::Caption:
            return ShownCaption(target) != "<no caption>";
        case TextTarget::Message:
            return qobject_cast<OwnText*>(&target) != nullptr;
    }
    return false;
}

// The controls that may show a tooltip: the tool-group buttons, the "-"/"+" buttons of both groups,
// the two RPM headings and the three version labels.
const std::set<QString> kTooltipAllowed{
    "SpeedButtonNew",
    "SpeedButton5",
    "SpeedButton7",
    "SpeedButtonPrint",
    "Button1",
    "BitBtn2",
    "BitBtn1",
    "BitBtnIgnMinus",
    "BitBtnIgnPlus",
    "BitBtnJetMinus",
    "BitBtnJetPlus",
    "Label1",
    "Label3",
    "LabelVerze1",
    "LabelVerze2",
    "LabelVerze3",
    // The status line's short forms, for a narrow line: their whole texts.
    "UnitMatchEqualShort",
    "UnitMatchChangedShort",
    "UnitMatchNotCheckedShort",
    "UnitMatchDiffersShort",
    "UnitMatchDiffersFromFileShort",
    "RestorePointFailedShort",
};

void TriggerAction(QWidget& window, const char* name) {
    auto* action = window.findChild<QAction*>(name);
    QVERIFY2(action != nullptr, name);
    action->trigger();
}

}  // namespace

class TestLanguages : public QObject {
    Q_OBJECT

private slots:
    void init() {
        settings_.reset();
        settings_ = std::make_unique<ThrowawaySettings>();
        window_ = std::make_unique<TFormHlav>();
    }
    void cleanup() {
        window_.reset();
        settings_.reset();
    }

    void everyTargetExists_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("index");
        for (const char* language : {"English", "Czech", "German"}) {
            const auto& assignments = TableByName(language).assignments;
            for (std::size_t i = 0; i < assignments.size(); ++i) {
                const QByteArray row = QByteArray(language) + "/" +
                                       QByteArray(assignments[i].object.data(),
                                                  static_cast<qsizetype>(assignments[i].object.size())) +
                                       "/" + QByteArray::number(static_cast<int>(assignments[i].target));
                QTest::newRow(row.constData()) << QString(language) << static_cast<int>(i);
            }
        }
    }
    void everyTargetExists() {
        QFETCH(QString, language);
        QFETCH(int, index);
        const TextAssignment& a = TableByName(language).assignments[static_cast<std::size_t>(index)];
        QObject* target = Find(*window_, a.object);
        QVERIFY2(target != nullptr, "the window has no object of this name");
        QVERIFY2(TypeFits(*target, a.target), target->metaObject()->className());
    }

    void eachLanguageShowsItsTable_data() {
        QTest::addColumn<QString>("language");
        for (const char* language : {"English", "Czech", "German"})
            QTest::newRow(language) << QString(language);
    }
    void eachLanguageShowsItsTable() {
        QFETCH(QString, language);
        const LanguageTable& table = TableByName(language);
        QCOMPARE(ApplyLanguageTable(*window_, table), table.code);
        QCOMPARE(Mismatches(*window_, table), QStringList{});
    }

    void englishComesBackAfterGerman() {
        TriggerAction(*window_, "MenuGerman");
        QCOMPARE(window_->windowTitle(), QString::fromUtf8("Programmierung der Zündbox"));
        QCOMPARE(window_->LanguageCode(), 2);
        TriggerAction(*window_, "MenuEnglish");
        QCOMPARE(window_->windowTitle(), QString("Programming of Ignition"));
        QCOMPARE(window_->findChild<QGroupBox*>("GroupBoxJet")->title(), QString("Injection "));
        QCOMPARE(window_->LanguageCode(), 0);
        QCOMPARE(Mismatches(*window_, EnglishTable()), QStringList{});
    }

    void czechChecksOnlyItsOwnItem() {
        TriggerAction(*window_, "MenuGerman");
        TriggerAction(*window_, "MenuCzech");
        QCOMPARE(window_->LanguageCode(), 1);
        QVERIFY(window_->findChild<QAction*>("MenuCzech")->isChecked());
        QVERIFY(!window_->findChild<QAction*>("MenuEnglish")->isChecked());
        QVERIFY(!window_->findChild<QAction*>("MenuGerman")->isChecked());
    }

    // Czech has no text of its own for the German item, so it keeps the previous language's.
    void germanItemKeepsPreviousTextsAfterCzech_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("status");
        QTest::newRow("after English") << "English"
                                       << "&German" << QString::fromUtf8("Deutche Menü");
        QTest::newRow("after German") << "German"
                                      << "&Deutch" << QString::fromUtf8("Deutches Menü");
    }
    void germanItemKeepsPreviousTextsAfterCzech() {
        QFETCH(QString, before);
        QFETCH(QString, caption);
        QFETCH(QString, status);
        ApplyLanguageTable(*window_, TableByName(before));
        ApplyLanguageTable(*window_, CzechTable());
        auto* german = window_->findChild<QAction*>("MenuGerman");
        QCOMPARE(german->text(), caption);
        QCOMPARE(german->statusTip(), status);
    }

    void positionChoiceKeepsItsItem_data() {
        QTest::addColumn<int>("item");
        QTest::newRow("Beginning") << 0;
        QTest::newRow("Centre") << 1;
        QTest::newRow("End") << 2;
    }
    void positionChoiceKeepsItsItem() {
        QFETCH(int, item);
        const QString name = QString("RadioGroupPolohaItem%1").arg(item);
        window_->findChild<QAbstractButton*>(name)->setChecked(true);
        for (const char* action : {"MenuGerman", "MenuCzech", "MenuEnglish"}) {
            TriggerAction(*window_, action);
            for (int i = 0; i < 3; ++i) {
                auto* button = window_->findChild<QAbstractButton*>(QString("RadioGroupPolohaItem%1").arg(i));
                QVERIFY2(button->isChecked() == (i == item), action);
            }
        }
    }

    void switchChangesNoParameter() {
        const ParameterSet held = window_->Parameters();
        const ParameterSet shown = window_->ShownParameters();
        for (const char* action : {"MenuCzech", "MenuGerman", "MenuEnglish", "MenuEnglish"}) {
            TriggerAction(*window_, action);
            QVERIFY2(window_->Parameters() == held, action);
        }
        QVERIFY(window_->ShownParameters() == shown);
    }

    // The path stands a blank apart from "File:" in every language.
    void fileCaptionKeepsItsDistance_data() { eachLanguageShowsItsTable_data(); }
    void fileCaptionKeepsItsDistance() {
        QFETCH(QString, language);
        ApplyLanguageTable(*window_, TableByName(language));
        window_->findChild<QLabel*>("LabelFile2")->setText("/home/tuner/r1.ign");
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        const auto* caption = window_->findChild<QLabel*>("LabelFile1");
        const auto* path = window_->findChild<QLabel*>("LabelFile2");
        const int captionEnds = caption->x() + caption->fontMetrics().horizontalAdvance(caption->text());
        QVERIFY2(path->x() - captionEnds >= caption->fontMetrics().horizontalAdvance(' '),
                 qPrintable(QString::number(path->x() - captionEnds)));
    }

    void tooltipsOnlyWhereAllowed_data() { eachLanguageShowsItsTable_data(); }
    void tooltipsOnlyWhereAllowed() {
        QFETCH(QString, language);
        ApplyLanguageTable(*window_, TableByName(language));
        for (const QWidget* widget : window_->findChildren<QWidget*>()) {
            if (widget->toolTip().isEmpty()) continue;
            QVERIFY2(kTooltipAllowed.count(widget->objectName()) == 1,
                     qPrintable(widget->objectName() + " shows tooltip " + widget->toolTip()));
        }
        for (const QMenu* menu : window_->findChildren<QMenu*>()) QVERIFY(!menu->toolTipsVisible());
    }

    void missingTargetsAreSkipped() {
        QWidget bare;
        QCOMPARE(ApplyLanguageTable(bare, CzechTable()), 1);
        QCOMPARE(ApplyLanguageTable(bare, GermanTable()), 2);
        QCOMPARE(bare.windowTitle(), QString());
    }

    // ---- texts that came after the design ----

    // Each language shows its own table whole once the new texts are applied
    // after it, and no new text names an object the tables name.
    void newTextsLeaveTheSpecifiedOnesAlone_data() { eachLanguageShowsItsTable_data(); }
    void newTextsLeaveTheSpecifiedOnesAlone() {
        QFETCH(QString, language);
        const LanguageTable& table = TableByName(language);
        window_->ApplyLanguage(table.code);
        QCOMPARE(Mismatches(*window_, table), QStringList{});
        for (const NewText& row : NewTexts())
            for (const LanguageTable* specified : {&EnglishTable(), &CzechTable(), &GermanTable()})
                for (const TextAssignment& a : specified->assignments)
                    QVERIFY2(a.object != row.object, a.object.data());
    }

    // Alt and a letter must reach one thing: a new menu or button takes no
    // letter that a top-level menu or a button of the window has. (Czech
    // "&Soubor" and "Čí&st", "&Port" and "&Programovat" share theirs as
    // designed; the menu bar keeps those.)
    void newAccessKeysRepeatNothing_data() { eachLanguageShowsItsTable_data(); }
    void newAccessKeysRepeatNothing() {
        QFETCH(QString, language);
        const LanguageTable& table = TableByName(language);
        window_->ApplyLanguage(table.code);
        struct Claim {
            QKeySequence key;
            QString owner;
            bool isNew;
        };
        std::vector<Claim> claims;
        const auto claim = [&](const QString& text, const QString& owner, bool isNew) {
            const QKeySequence key = QKeySequence::mnemonic(text);
            if (!key.isEmpty()) claims.push_back({key, owner, isNew});
        };
        for (const QAction* menu : window_->menuBar()->actions())
            claim(menu->text(), menu->menu()->objectName(), false);
        for (const QAbstractButton* button : window_->findChildren<QAbstractButton*>())
            claim(button->text(), button->objectName(), false);
        for (const NewText& row : NewTexts()) {
            if (row.target != TextTarget::MenuTitle && row.target != TextTarget::Caption) continue;
            // Once its feature is built, a new text's object claims its key above already.
            std::erase_if(claims, [&](const Claim& c) { return c.owner == Q(row.object); });
            claim(Q(row.text[table.code]), Q(row.object), true);
        }
        for (std::size_t i = 0; i < claims.size(); ++i)
            for (std::size_t j = i + 1; j < claims.size(); ++j)
                if (claims[i].key == claims[j].key && (claims[i].isNew || claims[j].isNew))
                    QFAIL(qPrintable(claims[i].owner + " and " + claims[j].owner + " share " +
                                     claims[i].key.toString()));
    }

    // New menus stand after Tools, and a menu's new items after its designed
    // ones, behind a separator; File's before Exit, which stays its last item.
    void newMenusAndItemsComeAfterTheDesignedOnes() {
        QStringList file;
        for (const QAction* item : window_->findChild<QMenu*>("MenuFile")->actions())
            file << item->objectName();
        QCOMPARE(file, (QStringList{"MenuNew", "", "MenuOpen", "", "MenuSave", "", "MenuPrint", "",
                                    "MenuTuneSheet", "MenuHistory", "", "MenuExit"}));
        const std::vector<std::pair<QString, QStringList>> designed{
            {"MenuCom", {"MenuCom1", "MenuCom2"}},
            {"MenuDevice", {"MenuRead", "MenuVerify", "MenuProgram"}},
            {"MenuTools", {"CurveMinus", "CurvePlus", "JetMinus", "JetPlus"}},
            {"MenuLanguage", {"MenuEnglish", "MenuCzech", "MenuGerman"}},
            {"MenuHelp", {"MenuContens", "MenuAbout"}},
        };
        QStringList bar;
        for (const QAction* title : window_->menuBar()->actions()) bar << title->menu()->objectName();
        const QStringList order{"MenuFile", "MenuCom", "MenuDevice", "MenuTools", "MenuLanguage", "MenuHelp"};
        QStringList specifiedInBar;
        for (const QString& name : bar)
            if (order.contains(name)) specifiedInBar << name;
        QCOMPARE(specifiedInBar, order);
        for (qsizetype i = 0; i < bar.size(); ++i)
            if (!order.contains(bar[i])) QVERIFY2(i > bar.indexOf("MenuTools"), qPrintable(bar[i]));

        for (const auto& [menuName, items] : designed) {
            const QList<QAction*> actions = window_->findChild<QMenu*>(menuName)->actions();
            QVERIFY(actions.size() >= items.size());
            for (qsizetype i = 0; i < items.size(); ++i) QCOMPARE(actions[i]->objectName(), items[i]);
            if (actions.size() > items.size())
                QVERIFY2(actions[items.size()]->isSeparator(), qPrintable(menuName));
        }
    }

    void hintSplitsAtFirstBar_data() {
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("tooltip");
        QTest::addColumn<QString>("status");
        QTest::newRow("both parts") << "Open|Open file"
                                    << "Open"
                                    << "Open file";
        QTest::newRow("no bar") << "Sprache"
                                << "Sprache"
                                << "Sprache";
        QTest::newRow("second bar stays") << "a|b|c"
                                          << "a"
                                          << "b|c";
        QTest::newRow("blank before bar kept") << "Act |long"
                                               << "Act "
                                               << "long";
        QTest::newRow("empty short part") << "|only status"
                                          << ""
                                          << "only status";
    }
    void hintSplitsAtFirstBar() {
        QFETCH(QString, hint);
        QFETCH(QString, tooltip);
        QFETCH(QString, status);
        const QByteArray utf8 = hint.toUtf8();
        const HintParts parts =
            SplitHint(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
        QCOMPARE(parts.tooltip, tooltip);
        QCOMPARE(parts.status, status);
    }

private:
    std::unique_ptr<ThrowawaySettings> settings_;
    std::unique_ptr<TFormHlav> window_;
};

IGN_WINDOW_TEST_MAIN(TestLanguages)
#include "test_languages.moc"
