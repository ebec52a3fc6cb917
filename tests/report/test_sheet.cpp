// The tune sheet as a reader of its PDF sees it: every value in the window's
// format, the captions of the language chosen, the note, exactly the
// differences, one or two pages of the paper asked for, the map in the heat
// colours and its digits readable in black and white.

#include "DefaultSets.h"
#include "DifferenceText.h"
#include "EditorBindings.h"
#include "PdfTools.h"
#include "SetDifferences.h"
#include "SetDigest.h"
#include "SheetLayout.h"
#include "report/SheetPainter.h"
#include "report/SheetTexts.h"

#include <QtTest>

#include <cmath>

using namespace ign;

namespace {

constexpr std::array<const char*, 3> kLanguages{"English", "Czech", "German"};

// The set of a tuner's day: the machine's defaults, then a few changes.
ParameterSet TunedSet() {
    ParameterSet set = DefaultSet(4);
    set.ignition.OMEZ1 = 105;
    set.ignition.ADV_A[4] = 33;
    set.ignition.GasEnable = 1;
    set.injection.JET[43] = 108;
    set.injection.KOR_23[2] = 95;
    return set;
}

SheetInput Input(std::uint8_t language, Paper paper) {
    SheetInput input;
    input.set = TunedSet();
    input.language = language;
    input.paper = paper;
    input.unit = UnitIdentification{" 1.23", " 5. 2.2002", "09:07"};
    input.madeAt = "Friday 14 June 2024 09:05:07";
    input.fileName = "track-day.ign";
    input.note = "Ráno studený motor: mapa ve 40 % bohatší.\nVečer: předstih A o 2° víc v 6 000.";
    input.reference = SheetReference{"2024-06-13_18-00-00_program.ign", DefaultSet(4)};
    input.groupSeparator = GroupSeparatorOf(QLocale());
    input.version = "9.9.9";
    return input;
}

QString SavedPdf(const QTemporaryDir& dir, const SheetInput& input) {
    const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
    QString error;
    if (!SaveSheetPdf(LayOutSheet(input), input.language, path.toStdString(), error)) qWarning() << error;
    return path;
}

// Every value of the four pages as its field shows it: a spin box writes the
// number in the locale, grouped where the field groups.
QStringList FieldTexts(const ParameterSet& set) {
    QStringList texts;
    for (const EditorField& field : EditorFields()) {
        const int value =
            FieldFromByte(field, BytesOf(set, field.param)[static_cast<std::size_t>(field.point)]);
        texts << (field.grouped() ? QLocale().toString(value) : QString::number(value));
    }
    return texts;
}

double Linear(int grey) {
    const double c = grey / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

const TextItem* Text(const SheetItem& item) { return std::get_if<TextItem>(&item); }

bool Overlap(const Box& a, const Box& b) {
    constexpr double kSlack = 0.05;
    return std::min(a.right(), b.right()) - std::max(a.x, b.x) > kSlack &&
           std::min(a.bottom(), b.bottom()) - std::max(a.y, b.y) > kSlack;
}

}  // namespace

class SheetTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void pdfHoldsTheSet_data();
    void pdfHoldsTheSet();
    void mapColoursAndGreyscaleDigits();
    void fitsTwoPagesWithoutOverlap_data();
    void fitsTwoPagesWithoutOverlap();
};

void SheetTest::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    IGN_NEED_PDF_TOOLS();
}

void SheetTest::pdfHoldsTheSet_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("paper");
    QTest::addColumn<QStringList>("captions");  // of the language, as its tables write them
    QTest::addColumn<QString>("elsewhere");     // a caption of another language, which must not show
    QTest::newRow("English, A4")
        << 0 << int(Paper::A4)
        << QStringList{"Tune sheet",    "Width of triger [°]", "Corrections of Cylinder 2 and 3",
                       "Changed since", "Page 1 of 2",         "Limiter 1: 10 000 rpm → 10 500 rpm"}
        << "Omezovač 1 [rpm]";
    QTest::newRow("Czech, Letter")
        << 1 << int(Paper::Letter)
        << QStringList{"Seřizovací list", "Šířka palce [°]", "Korekce válců 2 a 3",
                       "Změny od",        "Strana 1 z 2",    "Omezovač 1: 10 000 rpm → 10 500 rpm"}
        << "Limiter 1 [rpm]";
    QTest::newRow("German, A4")
        << 2 << int(Paper::A4)
        << QStringList{"Abstimmungsblatt", "Triggerbreite [°]", "Korrektion des Zylinders 2 und 3",
                       "Geändert seit",    "Seite 1 von 2",     "Begrenzer 1: 10 000 rpm → 10 500 rpm"}
        << "Limiter 1 [rpm]";
}

void SheetTest::pdfHoldsTheSet() {
    QFETCH(int, language);
    QFETCH(int, paper);
    QFETCH(QStringList, captions);
    QFETCH(QString, elsewhere);
    const SheetInput input = Input(static_cast<std::uint8_t>(language), static_cast<Paper>(paper));
    QTemporaryDir dir;
    const QString file = SavedPdf(dir, input);

    const pdf::Info info = pdf::InfoOf(file);
    QVERIFY2(info.pages == 1 || info.pages == 2, qPrintable(QString::number(info.pages)));
    QCOMPARE(info.pages, static_cast<int>(LayOutSheet(input).pages.size()));
    QVERIFY2(info.pageSize.endsWith(paper == int(Paper::A4) ? "(A4)" : "(letter)"),
             qPrintable(info.pageSize));

    const QString text = pdf::Text(file);
    QMap<QString, int> words;
    for (const QString& word : text.split(u' ')) ++words[word];
    QMap<QString, int> wanted;
    for (const QString& value : FieldTexts(input.set)) ++wanted[value];
    for (auto it = wanted.cbegin(); it != wanted.cend(); ++it)
        QVERIFY2(words.value(it.key()) >= it.value(), qPrintable(QStringLiteral("%1 shown %2 times of %3")
                                                                     .arg(it.key())
                                                                     .arg(words.value(it.key()))
                                                                     .arg(it.value())));
    // The flags on: four inputs, the gas function; excitation and the doubled tachometer are off.
    QCOMPARE(text.count(u'✓'), 5);
    QVERIFY(text.contains("Suzuki GSX 600 R"));
    QVERIFY(text.contains(SheetCaption("RadioGroupPolohaItem1", static_cast<std::uint8_t>(language))));

    for (const QString& caption : captions) QVERIFY2(text.contains(caption), qPrintable(caption));
    QVERIFY2(!text.contains(elsewhere), qPrintable(elsewhere));
    QVERIFY(text.contains(QString::fromStdString(input.note).simplified()));
    QVERIFY(text.contains("1.23 5. 2.2002 09:07"));
    QVERIFY(text.contains("2024-06-13_18-00-00_program.ign"));
    QVERIFY(text.contains(QString::fromStdString(SetDigest(input.set))));

    // Exactly the differences from the reference: each line, and no other.
    const auto differences = FindDifferences(input.reference->set, input.set);
    QCOMPARE(differences.size(), std::size_t(5));
    for (const Difference& d : differences) {
        const QString line =
            QString::fromStdString(FormatDifference(d, DifferenceCaptionsFor(static_cast<Byte>(language))));
        QVERIFY2(text.contains(line), qPrintable(line));
    }
    QCOMPARE(text.count(u'→'), static_cast<qsizetype>(differences.size()));
}

// Each cell of a map of known values, all different, in the heat colour of
// its value; rendered grey, its digits stand off the cell by a contrast of
// at least 3:1 (what a reader needs of large text; the palette's text colour
// gives at least 4.1:1 on the grey of every value from 5 to 250).
void SheetTest::mapColoursAndGreyscaleDigits() {
    SheetInput input = Input(0, Paper::A4);
    for (int t = 0; t < 10; ++t)
        for (int r = 0; r < 10; ++r)
            input.set.injection.JET[static_cast<std::size_t>(10 * t + r)] = Byte(50 + 15 * t + r);
    QTemporaryDir dir;
    const QString file = SavedPdf(dir, input);
    const SheetLayout layout = LayOutSheet(input);
    std::vector<Box> cells;
    for (const SheetItem& item : layout.pages.front().items)
        if (const TextItem* text = Text(item); text != nullptr && text->style == TextStyle::Cell)
            cells.push_back(text->box);
    QCOMPARE(cells.size(), std::size_t(100));

    constexpr int kDpi = 200;
    const QImage colour = pdf::Render(file, 1, kDpi, false);
    const QImage grey = pdf::Render(file, 1, kDpi, true).convertToFormat(QImage::Format_Grayscale8);
    QVERIFY(!colour.isNull() && !grey.isNull());
    const auto px = [&](double mm) { return static_cast<int>(std::lround(mm * kDpi / 25.4)); };
    for (int i = 0; i < 100; ++i) {
        const Box& cell = cells[static_cast<std::size_t>(i)];
        const Rgb expected = HeatColour(50 + 15 * (i / 10) + i % 10, kWhite);
        const QColor seen = colour.pixelColor(px(cell.x + 1.0), px(cell.y + 1.0));
        QVERIFY2(std::abs(seen.red() - expected.r) <= 3 && std::abs(seen.green() - expected.g) <= 3 &&
                     std::abs(seen.blue() - expected.b) <= 3,
                 qPrintable(QStringLiteral("cell %1: %2").arg(i).arg(seen.name())));

        const int background = qGray(grey.pixel(px(cell.x + 0.8), px(cell.y + 0.8)));
        int digit = background;
        for (int y = px(cell.y + 0.6); y < px(cell.bottom() - 0.6); ++y)
            for (int x = px(cell.x + 0.6); x < px(cell.right() - 0.6); ++x)
                if (const int g = qGray(grey.pixel(x, y));
                    std::abs(g - background) > std::abs(digit - background))
                    digit = g;
        const double lighter = Linear(std::max(background, digit)) + 0.05;
        const double darker = Linear(std::min(background, digit)) + 0.05;
        QVERIFY2(lighter / darker >= 3.0,
                 qPrintable(QStringLiteral("cell %1: %2").arg(i).arg(lighter / darker)));
    }
}

void SheetTest::fitsTwoPagesWithoutOverlap_data() {
    QTest::addColumn<int>("paper");
    QTest::addColumn<bool>("most");  // the longest note and a reference that differs almost everywhere
    QTest::newRow("A4, no note, no reference") << int(Paper::A4) << false;
    QTest::newRow("A4, the most") << int(Paper::A4) << true;
    QTest::newRow("Letter, no note, no reference") << int(Paper::Letter) << false;
    QTest::newRow("Letter, the most") << int(Paper::Letter) << true;
}

// Whatever the note and however many differences: one or two pages, no text
// box on another, everything on the paper, the differences left out counted.
void SheetTest::fitsTwoPagesWithoutOverlap() {
    QFETCH(int, paper);
    QFETCH(bool, most);
    SheetInput input = Input(0, static_cast<Paper>(paper));
    input.note.clear();
    input.reference.reset();
    std::size_t differences = 0;
    if (most) {
        QString note;
        while (note.size() < 4000)
            note += QStringLiteral("Přední kolo v zatáčce %1 ujíždí.\n").arg(note.size());
        input.note = note.left(4000).toStdString();
        ParameterSet other = DefaultSet(2);
        for (Byte& cell : other.injection.JET) cell = 90;
        for (Byte& point : other.injection.KOR_23) point = 120;
        input.reference = SheetReference{"other.ign", other};
        differences = FindDifferences(other, input.set).size();
        QVERIFY2(differences > 150, qPrintable(QString::number(differences)));
    }
    const SheetLayout layout = LayOutSheet(input);
    QVERIFY(layout.pages.size() == 1 || layout.pages.size() == 2);

    std::size_t listed = 0;
    std::size_t counted = 0;
    for (const SheetPage& page : layout.pages) {
        std::vector<const TextItem*> texts;
        for (const SheetItem& item : page.items) {
            const TextItem* text = Text(item);
            if (text == nullptr) continue;
            texts.push_back(text);
            for (std::uint8_t language = 0; language < 3; ++language)
                QVERIFY2(!SheetTextOf(text->text, language).isEmpty(), kLanguages[language]);
            const Box& b = text->box;
            QVERIFY(b.x >= 5 && b.y >= 5 && b.right() <= layout.size.width - 5 &&
                    b.bottom() <= layout.size.height - 5);
            if (text->text.key == "SheetMoreChanges") counted = std::stoul(text->text.args.front());
            if (text->style == TextStyle::Note && text->text.key.empty() && !text->wrap) ++listed;
        }
        for (std::size_t i = 0; i < texts.size(); ++i)
            for (std::size_t j = i + 1; j < texts.size(); ++j)
                QVERIFY2(!Overlap(texts[i]->box, texts[j]->box),
                         qPrintable(SheetTextOf(texts[i]->text, 0) + " / " + SheetTextOf(texts[j]->text, 0)));
    }
    QCOMPARE(listed + counted, differences);
}

QTEST_MAIN(SheetTest)
#include "test_sheet.moc"
