// The window's size on real screen areas: run on two offscreen screens, a
// laptop's 1366 x 768 and a desk's 1280 x 1024 (TwoScreens.json), once at each
// scale factor (QT_SCALE_FACTOR 1, 1.5 and 2; CTest runs it three times).
#include "PendingEvents.h"
#include "ThrowawaySettings.h"
#include "WindowTest.h"
#include "app/Application.h"
#include "window/Hlav.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <memory>
#include <optional>

using ign::TFormHlav;

class TestWindowSize : public QObject {
    Q_OBJECT

    std::unique_ptr<ThrowawaySettings> settings;
    std::unique_ptr<TFormHlav> w;
    QScrollArea* area = nullptr;

    // A window whose stored position is `at`; none stored: the first start's.
    void Open(std::optional<QPoint> at) {
        QByteArray text = "[PORTS]\r\nCOM1=simulator\r\nCOM2=simulator\r\n";
        if (at)
            text +=
                QStringLiteral("[FORM_HLAV]\r\nLeft=%1\r\nTop=%2\r\n").arg(at->x()).arg(at->y()).toLatin1();
        settings = std::make_unique<ThrowawaySettings>(text);
        w = std::make_unique<TFormHlav>();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        area = w->findChild<QScrollArea*>(QStringLiteral("ClientArea"));
        QVERIFY(area != nullptr);
        Settle();
    }
    static const QScreen& ScreenNamed(const QString& name) {
        for (const QScreen* screen : QGuiApplication::screens())
            if (screen->name() == name) return *screen;
        qFatal("no screen %s", qPrintable(name));
    }
    // The scroll area shows or hides its bars a moment after their ranges change.
    static void Settle() { QVERIFY(RunPendingEvents()); }
    bool Scrolls(Qt::Orientation direction) const {
        return (direction == Qt::Horizontal ? area->horizontalScrollBar() : area->verticalScrollBar())
            ->isVisible();
    }
    QSize Frame() const {
        const QMargins m = w->windowHandle()->frameMargins();
        return {m.left() + m.right(), m.top() + m.bottom()};
    }
    static QString Text(QSize size) { return QStringLiteral("%1 x %2").arg(size.width()).arg(size.height()); }

private slots:
    void initTestCase() {
        QCOMPARE(QGuiApplication::screens().size(), 2);  // TwoScreens.json must be in use
    }
    void cleanup() {
        w.reset();
        settings.reset();
    }

    void opensShowingEverythingWithinTheScreen_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("atCorner");  // else at the first start's position, 219, 117
        QTest::newRow("laptop 1366 x 768, at its corner") << "Laptop" << true;
        QTest::newRow("desk 1280 x 1024, at its corner") << "Desk" << true;
        QTest::newRow("laptop 1366 x 768, first start") << "Laptop" << false;
    }
    void opensShowingEverythingWithinTheScreen() {
        QFETCH(QString, screen);
        QFETCH(bool, atCorner);
        const QScreen& on = ScreenNamed(screen);
        const QRect available = on.availableGeometry();
        Open(atCorner ? std::optional(available.topLeft()) : std::nullopt);
        const QRect frame = w->frameGeometry();
        const QSize opened = w->size();
        qInfo("scale %s, %s: available %s, opens at %d, %d, %s, minimum %s",
              qgetenv("QT_SCALE_FACTOR").constData(), qPrintable(on.name()),
              qPrintable(Text(available.size())), frame.x(), frame.y(), qPrintable(Text(opened)),
              qPrintable(Text(w->minimumSize())));
        QCOMPARE(w->screen(), &on);
        if (atCorner) {
            QCOMPARE(frame.topLeft(), available.topLeft());  // the position is kept
        } else if (Scrolls(Qt::Horizontal) || Scrolls(Qt::Vertical)) {
            // Too big for the screen: a first start takes the whole available
            // area (a pixel less at a fractional scale, so as not to reach past it).
            QCOMPARE(frame.topLeft(), available.topLeft());
            QVERIFY(available.width() - frame.width() <= 1 && available.height() - frame.height() <= 1);
        } else {
            // Whole, moved from the first start's place only as far as the screen asks
            // (a pixel more at a fractional scale).
            const QPoint moved =
                frame.topLeft() - QPoint(std::min(219, available.right() + 1 - frame.width()),
                                         std::min(117, available.bottom() + 1 - frame.height()));
            QVERIFY2(moved.x() <= 0 && moved.x() >= -1 && moved.y() <= 0 && moved.y() >= -1,
                     qPrintable(QStringLiteral("%1, %2").arg(moved.x()).arg(moved.y())));
        }
        if (!atCorner) QVERIFY2(available.contains(frame), "a first start lies wholly on the screen");
        // 400 x 300 where the screen has that room from the window's corner.
        const QSize fromCorner(available.right() + 1 - frame.x() - Frame().width(),
                               available.bottom() + 1 - frame.y() - Frame().height());
        QCOMPARE(w->minimumSize(), QSize(400, 300).boundedTo(fromCorner));
        // Within the available area, as far as the smallest size allows.
        QVERIFY(opened.width() == w->minimumWidth() || frame.right() <= available.right());
        QVERIFY(opened.height() == w->minimumHeight() || frame.bottom() <= available.bottom());

        // In each direction: the window either shows everything and one pixel
        // less would not, or it reaches the edge of the available area.
        const bool narrow = Scrolls(Qt::Horizontal);
        const bool low = Scrolls(Qt::Vertical);
        if (narrow) QVERIFY(frame.right() == available.right() || opened.width() == w->minimumWidth());
        if (low) QVERIFY(frame.bottom() == available.bottom() || opened.height() == w->minimumHeight());
        if (!narrow) {
            w->resize(opened - QSize(1, 0));
            Settle();
            QVERIFY2(Scrolls(Qt::Horizontal), "wider than it needs to be");
        }
        if (!low) {
            w->resize(opened - QSize(0, 1));
            Settle();
            QVERIFY2(Scrolls(Qt::Vertical), "taller than it needs to be");
        }
    }

    // A device run's outcome stays in sight below the scrolled area, however
    // small the window and wherever it is scrolled, and a first start shows it too.
    void progressRowStaysInView_data() {
        QTest::addColumn<bool>("smallest");
        QTest::newRow("first start") << false;
        QTest::newRow("400 x 300, scrolled to the top") << true;
    }
    void progressRowStaysInView() {
        QFETCH(bool, smallest);
        if (smallest) {
            Open(ScreenNamed(QStringLiteral("Laptop")).availableGeometry().topLeft());
            w->resize(w->minimumSize());
            Settle();
        } else {
            Open(std::nullopt);
        }
        w->MenuReadClick();
        for (const char* name : {"LabelHlaseni", "ProgressBar1"}) {
            QWidget* shown = ControlOf(*w, name);
            QVERIFY(shown->isVisible());
            // The part of it that its parents, the window at last, leave in sight.
            QRect seen(shown->mapTo(w.get(), QPoint()), shown->size());
            for (QWidget* parent = shown->parentWidget(); parent != nullptr; parent = parent->parentWidget())
                seen &= QRect(parent->mapTo(w.get(), QPoint()), parent->size());
            QCOMPARE(seen.size(), shown->size());
        }
    }

    // At its smallest the window still has every control within reach: each
    // can be scrolled wholly into view, and the status line stays in view.
    void everyControlReachableAtTheSmallestSize() {
        Open(ScreenNamed(QStringLiteral("Laptop")).availableGeometry().topLeft());
        w->resize(w->minimumSize());
        Settle();
        QCOMPARE(w->size(), QSize(400, 300));
        QVERIFY(Scrolls(Qt::Horizontal) && Scrolls(Qt::Vertical));
        QVERIFY(w->statusBar()->isVisible());
        QVERIFY(w->rect().contains(QRect(w->statusBar()->mapTo(w.get(), QPoint()), w->statusBar()->size())));

        auto* pages = w->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        int checked = 0;
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            Settle();
            for (QWidget* control : area->widget()->findChildren<QWidget*>()) {
                const bool isControl = qobject_cast<QAbstractSpinBox*>(control) != nullptr ||
                                       qobject_cast<QAbstractButton*>(control) != nullptr ||
                                       qobject_cast<QComboBox*>(control) != nullptr ||
                                       qobject_cast<QLabel*>(control) != nullptr;
                if (!isControl || !control->isVisible() ||
                    control->parentWidget()->inherits("QAbstractSpinBox"))
                    continue;
                // Scrolled to as a user scrolls: the control's top-left corner to the viewport's.
                const QRect inContent(control->mapTo(area->widget(), QPoint()), control->size());
                area->horizontalScrollBar()->setValue(inContent.left());
                area->verticalScrollBar()->setValue(inContent.top());
                const QRect where(control->mapTo(area->viewport(), QPoint()), control->size());
                const bool fits = control->width() <= area->viewport()->width() &&
                                  control->height() <= area->viewport()->height();
                QVERIFY2(
                    fits ? area->viewport()->rect().contains(where)
                         : area->viewport()->rect().intersects(where),
                    qPrintable(control->objectName() + " out of reach on page " + QString::number(page)));
                ++checked;
            }
        }
        QVERIFY(checked > 250);
    }

    // Moving through the controls by keyboard brings each into view.
    void tabbingScrollsTheFocusIntoView() {
        Open(ScreenNamed(QStringLiteral("Laptop")).availableGeometry().topLeft());
        w->resize(w->minimumSize());
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        Settle();
        w->findChild<QWidget*>(QStringLiteral("Button1"))->setFocus(Qt::TabFocusReason);
        int seen = 0;
        for (int step = 0; step < 60; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focused = QApplication::focusWidget();
            if (focused == nullptr || !area->widget()->isAncestorOf(focused)) continue;
            const QRect where(focused->mapTo(area->viewport(), QPoint()), focused->size());
            QVERIFY2(area->viewport()->rect().intersects(where), qPrintable(focused->objectName()));
            ++seen;
        }
        QVERIFY(seen > 40);
    }
};

IGN_WINDOW_TEST_MAIN(TestWindowSize)

#include "test_window_size.moc"
