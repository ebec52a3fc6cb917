// The main window driven through its widgets: the edit cycle, start-up and
// close, the message boxes, the error guard and the status line.
#include "DefaultSets.h"
#include "EditorBindings.h"
#include "MessageBoxes.h"
#include "Messages.h"
#include "New.h"
#include "PendingEvents.h"
#include "ThrowawaySettings.h"
#include "WindowTest.h"
#include "app/Application.h"
#include "window/Hlav.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string_view>

using ign::TFormHlav;

namespace {

// A control of the window whose handler fails, as a file or printer error would.
class FailingControl : public QWidget {
public:
    using QWidget::QWidget;
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User) throw std::runtime_error("Printer not ready");
        return QWidget::event(event);
    }
};

}  // namespace

class TestWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<ThrowawaySettings> settings;
    std::unique_ptr<TFormHlav> w;

    template <typename T = QWidget>
    T* Get(const char* name) {
        return ControlOf<T>(*w, name);
    }
    QSpinBox* Field(const char* name) { return Get<QSpinBox>(name); }

    void ShowPage(const char* page) {
        auto* tabs = Get<QTabWidget>("PageControl1");
        tabs->setCurrentWidget(Get(page));
    }
    // Types into a box as the user does: focus, replace the text, type.
    void TypeInto(QSpinBox* box, const QString& text) {
        box->setFocus(Qt::MouseFocusReason);
        box->findChild<QLineEdit*>()->selectAll();
        QTest::keyClicks(box, text);
    }
    void Leave(QSpinBox* box) { QTest::keyClick(box, Qt::Key_Tab); }
    // The pointer moved onto `target` as a real mouse moves it. Qt Test moves
    // a widget's pointer through the cursor, which brings the enter and leave
    // events but marks the move as synthesized, and the menu bar ignores such
    // moves (they come from touch screens); moving it there once more through
    // the window, one pixel on (Qt drops a move to where the pointer is), is
    // what a mouse does.
    void Hover(QWidget* target, QPoint local = QPoint(-1, -1)) {
        if (local == QPoint(-1, -1)) local = target->rect().center();
        QTest::mouseMove(target, local - QPoint(1, 0));
        QTest::mouseMove(w->windowHandle(), target->mapTo(w.get(), local));
    }
    static const ign::EditorField& FieldNamed(const QString& name) {
        for (const ign::EditorField& field : ign::EditorFields())
            if (QString::fromStdString(field.edit) == name) return field;
        qFatal("no field %s", qPrintable(name));
    }
    // Another box of the same page.
    static const ign::EditorField& NeighbourOf(const ign::EditorField& field) {
        for (const ign::EditorField& other : ign::EditorFields())
            if (other.page == field.page && other.edit != field.edit) return other;
        qFatal("%s is alone on its page", field.edit.c_str());
    }
    // A wheel turned with the pointer over the middle of `control`, delivered as
    // the window system's is: to the innermost widget there and, while ignored,
    // on to its parents. Returns the widget that took it, null if none did.
    static QWidget* TurnWheel(QWidget* control, int angle) {
        QWidget* under = control->childAt(control->rect().center());
        QWidget* receiver = under != nullptr ? under : control;
        QPointF local = receiver->rect().center();
        const QPointF global = receiver->mapToGlobal(local);
        for (; receiver != nullptr; receiver = receiver->parentWidget()) {
            QWheelEvent wheel(local, global, QPoint(), QPoint(0, angle), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(receiver, &wheel);
            if (wheel.isAccepted()) return receiver;
            if (receiver->isWindow()) break;
            local += receiver->pos();
        }
        return nullptr;
    }

private slots:
    void init() {
        settings.reset();
        settings = std::make_unique<ThrowawaySettings>();
        w = std::make_unique<TFormHlav>();
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
    void cleanup() {
        w.reset();
        settings.reset();
    }

    // ---- the edit cycle ----

    void leavingABoxRunsTheCycle_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("speed not above its predecessor") << "Edit4"
                                                         << "2000"
                                                         << "3,100";
        QTest::newRow("remainder dropped, grouped") << "Edit2"
                                                    << "1250"
                                                    << "1,200";
        QTest::newRow("advance above trigger width") << "Edit11"
                                                     << "100"
                                                     << "75";
        QTest::newRow("map cell never grouped") << "Edit57"
                                                << "250"
                                                << "250";
    }
    void leavingABoxRunsTheCycle() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QSpinBox* field = Field(box.toLatin1().constData());
        ShowPage(box == "Edit57" ? "TabSheet2" : "TabSheet1");
        TypeInto(field, typed);
        Leave(field);
        QCOMPARE(field->text(), shown);
    }

    // A number typed beyond a field's range stays in the box as typed until the
    // cycle takes it, and is taken as the nearest limit; letters are refused.
    void typedNumbersAreTakenAtTheNearestLimit_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("visible");  // the box's text until it is taken
        QTest::addColumn<QString>("shown");    // its text after the cycle
        QTest::addColumn<int>("byte");
        const auto row = [](const char* name, const char* box, const char* typed, const char* visible,
                            const char* shown,
                            int byte) { QTest::newRow(name) << box << typed << visible << shown << byte; };
        row("limiter above maximum", "EditOmez1", "30000", "30000", "25,000", 250);
        row("limiter above maximum, grouped", "EditOmez1", "30,000", "30,000", "25,000", 250);
        row("limiter at maximum", "EditOmez1", "25000", "25000", "25,000", 250);
        row("limiter at minimum, then validated", "EditOmez1", "999", "999", "1,000", 10);
        row("limiter below minimum", "EditOmez1", "5", "5", "1,000", 10);
        row("limiter negative", "EditOmez1", "-5", "-5", "1,000", 10);
        row("advance above maximum, then trigger width", "Edit11", "130", "130", "75", 75);
        row("advance at minimum", "Edit11", "0", "0", "0", 0);
        row("letters refused", "Edit11", "1x2", "12", "12", 12);
        row("last speed point above maximum", "Edit10", "99999", "99999", "20,000", 200);
        row("last speed point at maximum", "Edit10", "21000", "21000", "20,000", 200);
        row("map cell above maximum", "Edit57", "300", "300", "250", 250);
        row("map cell below minimum", "Edit57", "1", "1", "5", 5);
        row("injection position above maximum", "Edit170", "1000", "1000", "720", 240);
        row("cylinder correction above maximum", "Edit150", "999", "999", "250", 250);
        row("TPS 100 above maximum", "EditTps100", "9999", "9999", "4,600", 210);
        row("TPS 100 at minimum, grouped", "EditTps100", "2,500", "2,500", "2,500", 0);
        row("TPS 100 below minimum", "EditTps100", "100", "100", "2,500", 0);
    }
    void typedNumbersAreTakenAtTheNearestLimit() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, visible);
        QFETCH(QString, shown);
        QFETCH(int, byte);
        const ign::EditorField& field = FieldNamed(box);
        QSpinBox* edit = Field(box.toLatin1().constData());
        Get<QTabWidget>("PageControl1")->setCurrentIndex(static_cast<int>(field.page));
        TypeInto(edit, typed);
        QCOMPARE(edit->text(), visible);
        if (ign::TriggerOf(field.page) == ign::CycleTrigger::OnLeave) {
            Leave(edit);
        } else {
            // These pages run the cycle on the next click into one of their boxes.
            Leave(edit);
            QSpinBox* other = Field(NeighbourOf(field).edit.c_str());
            QTest::mouseClick(other->findChild<QLineEdit*>(), Qt::LeftButton);
        }
        QCOMPARE(edit->text(), shown);
        QCOMPARE(int{ign::BytesOf(w->Parameters(), field.param)[static_cast<std::size_t>(field.point)]},
                 byte);
    }

    // The wheel changes nothing it passes over; only a focused control takes it.
    void wheelActsOnlyOnTheFocusedControl_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("focused");
        QTest::newRow("advance, unfocused") << "Edit15" << false;
        QTest::newRow("speed point, unfocused") << "Edit8" << false;
        QTest::newRow("machine list, unfocused") << "ComboBox1" << false;
        QTest::newRow("advance, focused") << "Edit15" << true;
        QTest::newRow("machine list, focused") << "ComboBox1" << true;
    }
    void wheelActsOnlyOnTheFocusedControl() {
        QFETCH(QString, target);
        QFETCH(bool, focused);
        QWidget* control = Get(target.toLatin1().constData());
        QVERIFY(control->focusPolicy() == Qt::StrongFocus);
        QSpinBox* elsewhere = Field("Edit1");
        (focused ? control : elsewhere)->setFocus(Qt::TabFocusReason);
        const ign::ParameterSet before = w->Parameters();
        TurnWheel(control, -120);  // one notch towards the user
        QCOMPARE(control->hasFocus(), focused);
        ign::ParameterSet expected = before;
        if (focused && target == "Edit15") {
            expected.ignition.ADV_A[4] = static_cast<ign::Byte>(before.ignition.ADV_A[4] - 1);
        } else if (focused) {
            expected.ignition.KEYING = 1;
            expected.ignition.PALEC = 90;
        }
        QVERIFY(w->Parameters() == expected);
        // nor did the wheel leave anything in the fields to be taken later
        QVERIFY(w->ShownParameters() == expected);
    }

    // In a window smaller than its contents the wheel over an unfocused field
    // scrolls the window, and the field stays as it was.
    void wheelOverAnUnfocusedFieldScrollsTheWindow() {
        w->resize(400, 300);
        auto* area = Get<QScrollArea>("ClientArea");
        QTRY_VERIFY(area->verticalScrollBar()->isVisible());
        QCOMPARE(area->verticalScrollBar()->value(), 0);
        Field("Edit1")->setFocus(Qt::TabFocusReason);
        const ign::ParameterSet before = w->Parameters();
        TurnWheel(Field("Edit12"), -120);
        QVERIFY(area->verticalScrollBar()->value() > 0);
        QVERIFY(w->Parameters() == before);
        QVERIFY(w->ShownParameters() == before);
    }

    // F10 opens the menu bar at its first menu; Tab goes from the last
    // control of the Ignition page to Read, with nothing unseen between.
    void keyboardReachesTheMenuBarAndTheToolButtons() {
        QTest::keyClick(w.get(), Qt::Key_F10);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu != nullptr);
        QCOMPARE(menu->objectName(), QStringLiteral("MenuFile"));
        QTest::keyClick(menu, Qt::Key_Escape);
        QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);

        Get("CheckBox6")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Button1"));
    }

    void typedTextWaitsUntilTheBoxIsLeft() {
        QSpinBox* field = Field("Edit4");
        TypeInto(field, "2000");
        QCOMPARE(w->Parameters().ignition.RPM_A[3], ign::Byte{40});
        Leave(field);
        QCOMPARE(w->Parameters().ignition.RPM_A[3], ign::Byte{31});
    }

    // Two triggers beside the specified ones, on every page: Enter runs the
    // edit cycle as leaving the box does, and the box keeps the focus with
    // the taken text selected; Escape puts back the text last taken.
    void enterTakesAndEscapePutsBack_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("taken");
        QTest::newRow("advance above the trigger width") << "TabSheet1"
                                                         << "Edit11"
                                                         << "130"
                                                         << "75";
        QTest::newRow("map cell beyond its maximum") << "TabSheet2"
                                                     << "Edit55"
                                                     << "300"
                                                     << "250";
        QTest::newRow("injection position, remainder dropped") << "TabSheet3"
                                                               << "Edit172"
                                                               << "100"
                                                               << "99";
        QTest::newRow("throttle 100 %") << "TabSheet4"
                                        << "EditTps100"
                                        << "2509"
                                        << "2,500";
    }
    void enterTakesAndEscapePutsBack() {
        QFETCH(QString, page);
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, taken);
        ShowPage(page.toLatin1().constData());
        QSpinBox* field = Field(box.toLatin1().constData());
        const QString before = field->text();
        TypeInto(field, typed);
        QTest::keyClick(field, Qt::Key_Escape);
        QCOMPARE(field->text(), before);
        QVERIFY(w->ShownParameters() == w->Parameters());

        TypeInto(field, typed);
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(field->text(), taken);
        QVERIFY(field->hasFocus());
        QCOMPARE(field->findChild<QLineEdit*>()->selectedText(), taken);
        const ign::ParameterSet set = w->Parameters();
        QVERIFY(w->ShownParameters() == set);  // taken into the set, nothing left pending
        QTest::keyClicks(field, "7");
        QTest::keyClick(field, Qt::Key_Escape);
        QCOMPARE(field->text(), taken);
        Leave(field);
        QVERIFY(w->Parameters() == set);
    }

    void spinnerClickRaisesTheSecondLimiter() {
        Restore(*w, [](ign::ParameterSet& set) {
            set.ignition.OMEZ1 = 120;
            set.ignition.OMEZ2 = 120;
        });
        QSpinBox* omez1 = Field("EditOmez1");
        omez1->setFocus();
        QTest::keyClick(omez1, Qt::Key_Up);
        QCOMPARE(w->Parameters().ignition.OMEZ1, ign::Byte{121});
        QCOMPARE(w->Parameters().ignition.OMEZ2, ign::Byte{121});
        QCOMPARE(Field("EditOmez2")->text(), QStringLiteral("12,100"));
    }

    void loweringGas2LowersGas1() {
        Get<QCheckBox>("CheckBoxGas")->click();
        QSpinBox* gas2 = Field("EditGas2");
        QVERIFY(gas2->isVisible());
        TypeInto(gas2, "10");
        Leave(gas2);
        QCOMPARE(w->Parameters().ignition.Gas2, ign::Byte{10});
        QCOMPARE(w->Parameters().ignition.Gas1, ign::Byte{10});
        QCOMPARE(Field("EditGas1")->text(), QStringLiteral("10"));
    }

    void clickingIntoAnInjection3BoxRunsTheCycle() {
        ShowPage("TabSheet4");
        QSpinBox* tps0 = Field("EditTps0");
        TypeInto(tps0, "1000");
        Leave(tps0);  // leaving takes nothing on this page
        ShowPage("TabSheet1");
        QCOMPARE(w->Parameters().injection.TPS_0, ign::Byte{65});
        // Save, Program and close read the editors first: the typed value is taken.
        QCOMPARE(w->ShownParameters().injection.TPS_0, ign::Byte{100});

        // validation raises it again
        Restore(
            *w, [](ign::ParameterSet& set) { set.injection.START_JET = 0; },
            ign::ParameterDocument::Show::Nothing);
        ShowPage("TabSheet4");
        QTest::mouseClick(Field("EditDeadTime")->findChild<QLineEdit*>(), Qt::LeftButton);
        QVERIFY(w->Parameters().injection.START_JET != 0);
    }

    void uncheckingGasHidesTheFieldsAndKeepsTheBytes() {
        auto* gas = Get<QCheckBox>("CheckBoxGas");
        gas->click();
        QCOMPARE(w->Parameters().ignition.GasEnable, ign::Byte{1});
        QVERIFY(Get("LabelGas3")->isVisible());
        const ign::IgnitionBlock before = w->Parameters().ignition;
        gas->click();
        for (const char* name : {"EditGas1", "EditGas4", "LabelGas1", "LabelGas4"})
            QVERIFY(!Get(name)->isVisible());
        ign::IgnitionBlock expected = before;
        expected.GasEnable = 0;
        QCOMPARE(w->Parameters().ignition, expected);
    }

    void machineChangeAltersOnlyKeyingAndTriggerWidth() {
        const ign::ParameterSet before = w->Parameters();
        Get<QComboBox>("ComboBox1")->setCurrentIndex(4);
        ign::ParameterSet expected = before;
        expected.ignition.KEYING = 4;
        expected.ignition.PALEC = 90;
        QVERIFY(w->Parameters() == expected);
        QCOMPARE(Field("EditPalec")->text(), QStringLiteral("90"));
        Get<QComboBox>("ComboBox1")->setCurrentIndex(0);
        QCOMPARE(w->Parameters().ignition.PALEC, ign::Byte{75});
    }

    void refreshingNeverRunsTheCycle() {
        Restore(*w, [](ign::ParameterSet& set) {
            set.ignition.RPM_A[3] = 5;  // out of order; validation would fix it
            set.ignition.EXCITATION = 0;
        });
        QCOMPARE(w->Parameters().ignition.RPM_A[3], ign::Byte{5});
        QCOMPARE(Get<QCheckBox>("CheckBox5")->palette().color(QPalette::Button) == QColor(Qt::red), false);
        Restore(*w, [](ign::ParameterSet& set) { set.ignition.EXCITATION = 1; });
        QCOMPARE(Get<QCheckBox>("CheckBox5")->palette().color(QPalette::Button), QColor(Qt::red));
    }

    // The tables reach their controls by name: each name stands for exactly one control.
    void everyBoundControlIsThereOnce() {
        for (const ign::EditorField& field : ign::EditorFields())
            QVERIFY2(w->findChildren<QSpinBox*>(QString::fromStdString(field.edit)).size() == 1,
                     field.edit.c_str());
        for (const ign::ControlBinding& control : ign::kControlTable)
            QVERIFY2(w->findChildren<QWidget*>(QString::fromLatin1(control.control)).size() == 1,
                     control.control.data());
    }

    void everyFieldRoundTripsItsDefault() { QVERIFY(w->ShownParameters() == w->Parameters()); }

    // ---- layout ----

    // Neither the texts beside the bar nor the captions of a language move the
    // bar or the live buttons.
    void barAndLiveButtonsKeepTheirPlaces() {
        const char* const kFixed[] = {"ProgressBar1",   "Button1",       "BitBtn2",        "BitBtn1",
                                      "BitBtnIgnMinus", "BitBtnIgnPlus", "BitBtnJetMinus", "BitBtnJetPlus"};
        auto* label = Get<QLabel>("LabelHlaseni");
        label->show();
        Get("ProgressBar1")->show();
        const auto places = [&] {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            QList<QRect> out;
            for (const char* name : kFixed)
                out << QRect(Get(name)->mapTo(w.get(), QPoint()), Get(name)->size());
            return out;
        };
        const QList<QRect> first = places();
        for (std::uint8_t language : {1, 2, 0}) {
            w->ApplyLanguage(language);
            for (int id = 0; id <= static_cast<int>(ign::MessageId::ProgramError); ++id) {
                label->setText(
                    QString::fromUtf8(ign::MessageText(static_cast<ign::MessageId>(id), language).data()));
                QCOMPARE(places(), first);
                QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
            }
        }
    }

    // ---- start-up, New and close ----

    void startsWithTheDefaultsInEnglishOnCom1() {
        QVERIFY(w->Parameters() == DefaultSet());
        QVERIFY(w->windowTitle().contains("Programming of Ignition"));
        QVERIFY(!Get("LabelHlaseni")->isVisible());
        QVERIFY(!Get("ProgressBar1")->isVisible());
        QCOMPARE(Get<QProgressBar>("ProgressBar1")->maximum(), 40);
        QVERIFY(Get<QAction>("MenuCom1")->isChecked() && !Get<QAction>("MenuCom2")->isChecked());
        QVERIFY(Get<QAction>("MenuEnglish")->isChecked());
        QVERIFY(!Get<QAction>("MenuCzech")->isChecked() && !Get<QAction>("MenuGerman")->isChecked());
        QCOMPARE(Get<QTabWidget>("PageControl1")->currentIndex(), 0);
        QCOMPARE(Get<QLabel>("LabelFile2")->text(), QString());
        for (const char* name : {"LabelBuzeni", "LabelCasJet", "LabelUhelPolohy", "LabelTest1"})
            QVERIFY(!Get(name)->isHidden());
        QVERIFY(Get("LabelCasTisku")->isHidden());
        QCOMPARE(Get<QTimer>("Timer1")->interval(), 55);
        QVERIFY(Get<QTimer>("Timer1")->isActive());
    }

    void newRestoresTheDefaultsAndNothingElse() {
        w->ApplyCzech();
        w->SetParameterFilePath("/tmp/a.ign");
        ShowPage("TabSheet3");
        Get<QComboBox>("ComboBox1")->setCurrentIndex(3);
        Restore(*w, [](ign::ParameterSet& set) {
            set.injection.CHLAZENI = 70;
            set.ignition.ADV_A[0] = 5;
        });
        Get("LabelHlaseni")->show();
        Get<QAction>("MenuNew")->trigger();
        ign::ParameterSet expected = DefaultSet(3);
        expected.injection.CHLAZENI = 70;  // that machine's set leaves cooling alone
        QVERIFY(w->Parameters() == expected);
        QCOMPARE(Field("Edit11")->value(), 19);
        QCOMPARE(w->LanguageCode(), std::uint8_t{1});
        QCOMPARE(w->ParameterFilePath(), QStringLiteral("/tmp/a.ign"));
        QCOMPARE(Get<QTabWidget>("PageControl1")->currentWidget(), Get("TabSheet3"));
        QVERIFY(!Get("LabelHlaseni")->isVisible());
    }

    void exitAndCloseBoxStoreTheSameSet() {
        // Typed, not left: the close still takes it, brought into range.
        TypeInto(Field("Edit11"), "100");
        Get<QAction>("MenuExit")->trigger();
        QVERIFY(!w->isVisible());
        const ign::ParameterSet byExit = w->Parameters();
        QCOMPARE(byExit.ignition.ADV_A[0], ign::Byte{75});

        cleanup();
        init();
        TypeInto(Field("Edit11"), "100");
        QVERIFY(w->close());
        QVERIFY(!w->isVisible());
        QVERIFY(w->Parameters() == byExit);
    }

    // ---- Help, About, errors ----

    void f1SaysHelpIsNotAvailable_data() {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << 0;
        QTest::newRow("Czech") << 1;
        QTest::newRow("German") << 2;
    }
    void f1SaysHelpIsNotAvailable() {
        QFETCH(int, language);
        w->ApplyLanguage(static_cast<std::uint8_t>(language));
        const QString text = MessageFrom([&] { QTest::keyClick(w.get(), Qt::Key_F1); });
        QCOMPARE(text, QStringLiteral("Help file not available"));
    }

    void aboutSpeaksTheLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("contact");
        QTest::newRow("English") << 0 << "Programm for setting of ignition"
                                 << "Contakt:";
        QTest::newRow("Czech") << 1 << "Program pro nastavování zapalování"
                               << "Kontakt:";
        QTest::newRow("German") << 2 << "Program für Adjustierung der Zündung"
                                << "Kontakt:";
        QTest::newRow("unknown code") << 7 << "Programm for setting of ignition"
                                      << "Contakt:";
    }
    void aboutSpeaksTheLanguage() {
        QFETCH(int, language);
        QFETCH(QString, first);
        QFETCH(QString, contact);
        w->SetLanguageCode(static_cast<std::uint8_t>(language));
        const QString text = MessageFrom([&] { Get<QAction>("MenuAbout")->trigger(); });
        QVERIFY(text.endsWith('\n'));
        const QStringList lines = text.chopped(1).split('\n');
        QCOMPARE(lines.size(), 12);
        QCOMPARE(lines[0], first);
        QVERIFY(QRegularExpression("^[A-Z][a-z]{2} [ 1-3][0-9] [0-9]{4}$").match(lines[2]).hasMatch());
        QVERIFY(QRegularExpression("^[0-2][0-9]:[0-5][0-9]:[0-5][0-9]$").match(lines[4]).hasMatch());
        for (int empty : {1, 3, 5, 7}) QVERIFY(lines[empty].isEmpty());
        QCOMPARE(lines[8], contact);
    }

    void anErrorInAHandlerIsShownAndSurvived() {
        auto* failing = new FailingControl(w.get());
        const QString text = MessageFrom([&] {
            QCoreApplication::postEvent(failing, new QEvent(QEvent::User));
            QCoreApplication::sendPostedEvents(failing, QEvent::User);
        });
        QCOMPARE(text, QStringLiteral("Printer not ready"));
        QVERIFY(w->isVisible());
        // The window still works.
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        TypeInto(Field("Edit4"), "2000");
        Leave(Field("Edit4"));
        QCOMPARE(Field("Edit4")->text(), QStringLiteral("3,100"));
    }

    // ---- keys and the status line ----

    void menuBarKeepsAClashingAccessKey() {
        w->ApplyCzech();  // "&Soubor" and "Čí&st" both claim Alt+S
        QVERIFY(Get<QPushButton>("Button1")->shortcut().isEmpty());
        QCOMPARE(Get<QAction>("MenuRead")->shortcut(), QKeySequence(Qt::Key_F7));
        w->ApplyEnglish();
        QCOMPARE(Get<QPushButton>("Button1")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_R));
    }

    void altFThenXExits() {
        QTest::keyClick(w.get(), Qt::Key_F, Qt::AltModifier);
        auto* file = Get<QMenu>("MenuFile");
        QTRY_VERIFY(file->isVisible());
        QTest::keyClick(file, Qt::Key_X);
        QTRY_VERIFY(!w->isVisible());
    }

    // A menu title shows its status text however the pointer got onto it, and
    // keeps it.
    void menuTitleShowsItsHintFromEveryNeighbour_data() {
        QTest::addColumn<int>("title");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("hint");
        const char* const kHints[] = {"", "Set number of com",    "",
                                      "", "Set English or Czech", "Not available jet"};
        const char* const kNames[] = {"File", "Com", "Device", "Tools", "Language", "Help"};
        for (int i = 0; i < 6; ++i) {
            for (const char* from : {"page", "left", "right"}) {
                if ((i == 0 && from == std::string_view("left")) ||
                    (i == 5 && from == std::string_view("right")))
                    continue;
                QTest::newRow(qPrintable(QString("%1 from %2").arg(kNames[i], from)))
                    << i << from << kHints[i];
            }
        }
    }
    void menuTitleShowsItsHintFromEveryNeighbour() {
        QFETCH(int, title);
        QFETCH(QString, from);
        QFETCH(QString, hint);
        QMenuBar* bar = w->menuBar();
        const QList<QAction*> titles = bar->actions();
        // The designed menus by their place among themselves; later menus may stand between them.
        static const char* const kMenus[] = {"MenuFile",  "MenuCom",      "MenuDevice",
                                             "MenuTools", "MenuLanguage", "MenuHelp"};
        title = int(titles.indexOf(Get<QMenu>(kMenus[title])->menuAction()));
        if (from == "page") {
            Hover(Get("Button1"));
            QTRY_COMPARE(w->statusBar()->currentMessage(), QStringLiteral("Reading parametrs from ignition"));
        } else {
            QAction* neighbour = titles[from == "left" ? title - 1 : title + 1];
            Hover(bar, bar->actionGeometry(neighbour).center());
            QTRY_COMPARE(bar->activeAction(), neighbour);
        }
        Hover(bar, bar->actionGeometry(titles[title]).center());
        QTRY_COMPARE(bar->activeAction(), titles[title]);
        QTRY_COMPARE(w->statusBar()->currentMessage(), hint);
        QVERIFY(RunPendingEvents());  // and it stays
        QCOMPARE(w->statusBar()->currentMessage(), hint);
    }

    // A menu opened by keyboard shows its highlighted item's text while the
    // pointer rests inside the window; closing it gives the line back to the
    // control under the pointer.
    void menuOpenedByKeyboardShowsItsItem_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("File") << "MenuFile" << int{Qt::Key_F} << "Set default parametrs"
                              << "Open file with parametrs";
        QTest::newRow("Com") << "MenuCom" << int{Qt::Key_C} << "Set com 1"
                             << "Set com 2";
        QTest::newRow("Device") << "MenuDevice" << int{Qt::Key_D} << "Reading parametrs from ignition"
                                << "Compare set parametrs  with parametrs of ignition";
        QTest::newRow("Tools") << "MenuTools" << int{Qt::Key_T} << "Take off 1 degree of curve A"
                               << "Add 1 degree of curve A";
        QTest::newRow("Language") << "MenuLanguage" << int{Qt::Key_L} << "Set Englich menu"
                                  << "Set Czech menu";
        QTest::newRow("Help") << "MenuHelp" << int{Qt::Key_H} << ""
                              << "";
    }
    void menuOpenedByKeyboardShowsItsItem() {
        QFETCH(QString, menu);
        QFETCH(int, key);
        QFETCH(QString, first);
        QFETCH(QString, second);
        Hover(Get("Button1"));
        QTRY_COMPARE(w->statusBar()->currentMessage(), QStringLiteral("Reading parametrs from ignition"));
        QTest::keyClick(w.get(), static_cast<Qt::Key>(key), Qt::AltModifier);
        auto* opened = Get<QMenu>(menu.toLatin1().constData());
        QTRY_VERIFY(opened->isVisible());
        QTRY_COMPARE(w->statusBar()->currentMessage(), first);
        QVERIFY(RunPendingEvents());
        QCOMPARE(w->statusBar()->currentMessage(), first);
        QTest::keyClick(opened, Qt::Key_Down);
        QTRY_COMPARE(w->statusBar()->currentMessage(), second);
        QTest::keyClick(opened, Qt::Key_Escape);
        QTRY_VERIFY(!opened->isVisible());
        if (w->menuBar()->activeAction() != nullptr) QTest::keyClick(w->menuBar(), Qt::Key_Escape);
        QTRY_COMPARE(w->statusBar()->currentMessage(), QStringLiteral("Reading parametrs from ignition"));
    }

    void statusLineShowsTheHintUnderTheMouse() {
        QTest::mouseMove(Get("Button1"));
        QTRY_COMPARE(w->statusBar()->currentMessage(), QStringLiteral("Reading parametrs from ignition"));
        // A check box without a hint shows its group's.
        QTest::mouseMove(Get("CheckBox2"));
        QTRY_COMPARE(w->statusBar()->currentMessage(),
                     QStringLiteral("Checked items means activation by closing"));
        QVERIFY(Get("CheckBox2")->toolTip().isEmpty());
        QCOMPARE(Get("Label1")->toolTip(), QStringLiteral("Round per Minute"));
        // Off the window the pointer rests on no control of it: no hint.
        QTest::mouseMove(w.get(), QPoint(w->width() + 30, w->height() + 30));
        QTRY_COMPARE(w->statusBar()->currentMessage(), QString());
    }
};

IGN_WINDOW_TEST_MAIN(TestWindow)

#include "test_window.moc"
