// The owner of the set: what each step does to the editors, and who hears of it.
#include "DefaultSets.h"
#include "ParameterDocument.h"
#include "UndoHistory.h"

#include <QtTest>

#include <string>
#include <vector>

using namespace ign;

namespace {

// Editors that hold what the user typed and what they were last shown, and
// note each call in one log with the listeners' calls.
class FakeEditors : public SetEditors {
public:
    explicit FakeEditors(std::vector<std::string>& log) : log_(log) {}
    void ReadEditors(ParameterSet& set) override {
        log_.push_back("read");
        set.ignition = typed.ignition;
        set.injection = typed.injection;
    }
    void RefreshEditors(const ParameterSet& set) override {
        log_.push_back("refresh");
        shown = set;
    }
    ParameterSet typed = DefaultSet();
    ParameterSet shown{};

private:
    std::vector<std::string>& log_;
};

struct Heard {
    ChangeCause cause;
    ParameterSet before;
    ParameterSet after;
};

}  // namespace

class DocumentTest : public QObject {
    Q_OBJECT

    std::vector<std::string> log;
    std::vector<Heard> heard;

    void Follow(ParameterDocument& document) {
        document.Listen([this](const ParameterChange& step) {
            log.push_back(std::string("told ") + std::string(CauseName(step.cause)));
            heard.push_back({step.cause, step.before, step.after});
        });
    }

private slots:
    void init() {
        log.clear();
        heard.clear();
    }

    // The typed text is taken, validated and shown before anybody hears of it.
    void editCycleReadsValidatesShowsThenTells() {
        FakeEditors editors(log);
        ParameterDocument document(&editors);
        Follow(document);
        const ParameterSet before = document.Parameters();
        editors.typed.ignition.RPM_A[3] = 5;  // below point 2: validation raises it
        document.EditCycle();
        QCOMPARE(log, (std::vector<std::string>{"read", "refresh", "told edit"}));
        QVERIFY(document.Parameters().ignition.RPM_A[3] > editors.typed.ignition.RPM_A[2]);
        QVERIFY(editors.shown == document.Parameters());
        QCOMPARE(heard.size(), std::size_t{1});
        QVERIFY(heard[0].before == before);
        QVERIFY(heard[0].after == document.Parameters());
    }

    // A cycle that finds nothing new still shows the set, and tells nobody.
    void stepsThatChangeNoByteTellNobody_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("edit cycle") << 0;
        QTest::newRow("image alone") << 1;
        QTest::newRow("arrival of what was there") << 2;
    }
    void stepsThatChangeNoByteTellNobody() {
        QFETCH(int, kind);
        FakeEditors editors(log);
        ParameterDocument document(&editors);
        document.EditCycle();
        Follow(document);
        switch (kind) {
            case 0:
                document.EditCycle();
                break;
            case 1:
                document.Apply(ChangeCause::Restore, [](ParameterSet& set) {
                    set.image.at(211) = 'X';
                    return true;
                });
                break;
            default:
                document.Arrived(ChangeCause::Read, document.Parameters());
                break;
        }
        QVERIFY(heard.empty());
        QCOMPARE(log.back(), std::string("refresh"));
    }

    // A step that does not stand (a Save that could not write) puts the set
    // back, pending edits and all, and neither shows nor tells.
    void declinedStepLeavesEverythingAsItWas() {
        FakeEditors editors(log);
        ParameterDocument document(&editors);
        Follow(document);
        const ParameterSet before = document.Parameters();
        editors.typed.ignition.OMEZ1 = 200;
        QVERIFY(!document.TakeEditors(ChangeCause::Edit, ParameterDocument::Validation::First,
                                      [](const ParameterSet&) { return false; }));
        QVERIFY(document.Parameters() == before);
        QCOMPARE(log, std::vector<std::string>{"read"});
    }

    // A set read from the unit arrives as one step, measured from what the
    // listeners last heard.
    void completedReadIsOneStepFromTheLastTold() {
        FakeEditors editors(log);
        ParameterDocument document(&editors);
        document.EditCycle();
        const ParameterSet before = document.Parameters();
        Follow(document);
        ParameterSet read = before;
        read.image.at(1) = 99;
        read.injection.JET[7] = 44;
        document.Arrived(ChangeCause::Read, read);
        QVERIFY(document.Parameters() == read);
        QCOMPARE(log.back(), std::string("told read"));
        QCOMPARE(heard.size(), std::size_t{1});
        QVERIFY(heard[0].before == before);
        QCOMPARE(heard[0].after.injection.JET[7], Byte{44});
        QVERIFY(editors.shown == document.Parameters());
    }

    // The check boxes write their flag and show nothing; the rest of the set stays.
    void changeWithoutRefreshStillTells() {
        FakeEditors editors(log);
        ParameterDocument document(&editors);
        Follow(document);
        document.Apply(
            ChangeCause::Excitation,
            [](ParameterSet& set) {
                set.ignition.EXCITATION = 1;
                return true;
            },
            ParameterDocument::Show::Nothing);
        QCOMPARE(log, std::vector<std::string>{"told excitation"});
    }

    // Listeners hear each step in the order they came; one that leaves while
    // being told does not keep the next one from hearing it.
    void listenersInOrderAndMayLeave() {
        ParameterDocument document;
        std::vector<int> order;
        int first = 0;
        first = document.Listen([&](const ParameterChange&) {
            order.push_back(1);
            document.StopListening(first);
        });
        document.Listen([&](const ParameterChange&) { order.push_back(2); });
        for (Byte value : {Byte{1}, Byte{2}})
            document.Apply(ChangeCause::GasEnable, [value](ParameterSet& set) {
                set.ignition.GasEnable = value;
                return true;
            });
        QCOMPARE(order, (std::vector<int>{1, 2, 2}));
    }
    // ---- undo and redo ----

    // Every kind of step, each undone in turn, gives back the blocks before
    // it byte for byte, the image left as the unit's copy; redoing them all
    // gives back the last set. Undo and redo are steps the listeners hear of,
    // but no step of the history.
    void undoAndRedoGiveBackEveryByte() {
        FakeEditors editors(log);
        ParameterDocument document(&editors);
        document.Begin(DefaultSet());
        UndoHistory history(document);
        Follow(document);
        const auto change = [](auto edit) {
            return [edit](ParameterSet& set) {
                edit(set);
                return true;
            };
        };
        std::vector<ParameterSet> sets{document.Parameters()};
        const auto keep = [&] { sets.push_back(document.Parameters()); };
        editors.typed.ignition.ADV_A[4] = 17;
        document.EditCycle();
        keep();
        for (ChangeCause cause : {ChangeCause::New, ChangeCause::Open, ChangeCause::Read, ChangeCause::Live,
                                  ChangeCause::SetTps, ChangeCause::Machine, ChangeCause::Excitation,
                                  ChangeCause::GasEnable, ChangeCause::Restore, ChangeCause::Take}) {
            const auto at = static_cast<std::size_t>(cause);
            document.Apply(cause, change([at](ParameterSet& set) {
                               set.injection.JET[7 * at] = static_cast<Byte>(60 + at);
                               set.ignition.OMEZ1 = static_cast<Byte>(90 + at);
                               set.injection.TPS_100 = static_cast<Byte>(at);
                           }));
            keep();
        }
        QCOMPARE(history.UndoCause(), std::optional{ChangeCause::Take});
        ParameterSet packed = document.Parameters();
        packed.image.bytes.fill(0xA5);  // as a read leaves it: the image alone, no step
        document.Arrived(ChangeCause::Read, packed);
        const auto image = document.Parameters().image;

        heard.clear();
        for (std::size_t i = sets.size() - 1; i > 0; --i) {
            QVERIFY(history.Undo());
            QVERIFY(document.Parameters().ignition == sets[i - 1].ignition);
            QVERIFY(document.Parameters().injection == sets[i - 1].injection);
            QVERIFY(editors.shown.injection == sets[i - 1].injection);
        }
        QVERIFY(!history.Undo());
        QVERIFY(document.Parameters().image.bytes == image.bytes);
        QCOMPARE(heard.size(), sets.size() - 1);
        for (const Heard& h : heard) QCOMPARE(h.cause, ChangeCause::Undo);

        while (history.Redo()) {
        }
        QVERIFY(document.Parameters().ignition == sets.back().ignition);
        QVERIFY(document.Parameters().injection == sets.back().injection);
        QCOMPARE(heard.back().cause, ChangeCause::Redo);
        QCOMPARE(history.UndoCause(), std::optional{ChangeCause::Take});
    }

    // A step after an undo drops what Redo held; a step that changes no value
    // the tuner sees (a flag's read bit written as 1) is none and drops nothing;
    // the oldest steps go beyond the limit.
    void newStepDropsRedoAndInvisibleStepsDoNot() {
        ParameterDocument document;
        document.Begin(DefaultSet());
        UndoHistory history(document, 2);
        int told = 0;
        history.OnChanged([&told] { ++told; });
        const auto setLimiter = [&](ChangeCause cause, Byte value) {
            document.Apply(cause, [value](ParameterSet& set) {
                set.ignition.OMEZ1 = value;
                return true;
            });
        };
        setLimiter(ChangeCause::Edit, 80);
        setLimiter(ChangeCause::New, 81);
        setLimiter(ChangeCause::Open, 82);
        QVERIFY(history.Undo());
        QVERIFY(history.Undo());
        QVERIFY(!history.Undo());  // the Edit went beyond the limit of two
        QCOMPARE(document.Parameters().ignition.OMEZ1, Byte{80});

        const Byte blocking = document.Parameters().ignition.BLOK;
        document.Apply(ChangeCause::Read, [](ParameterSet& set) {
            set.ignition.BLOK = 0x08;
            set.ignition.OMEZ1 = 85;
            return true;
        });
        QVERIFY(!history.CanRedo());  // the New and the Open undone are gone
        document.Apply(ChangeCause::Edit, [](ParameterSet& set) {
            set.ignition.BLOK = 1;  // the read's bit as an edit writes it
            return true;
        });
        QCOMPARE(history.UndoCause(), std::optional{ChangeCause::Read});
        QVERIFY(history.Undo());
        QCOMPARE(document.Parameters().ignition.BLOK, blocking);
        QCOMPARE(history.RedoCause(), std::optional{ChangeCause::Read});
        // Edit, New, Open, two undos, Read, one undo: the invisible step told nothing.
        QCOMPARE(told, 7);
    }
};

QTEST_GUILESS_MAIN(DocumentTest)
#include "test_document.moc"
