#pragma once

#include "LinkView.h"
#include "ParameterSet.h"
#include "UnitMatch.h"

#include <QWidget>
#include <functional>

class QLabel;
class QStackedWidget;

namespace ign {

class Link;
class ParameterDocument;

// Whether the unit holds what the window shows, at the right of the status
// line: one of four texts, the mark that the set differs from its file, and
// the note that a restore point could not be written. Each text is a label of
// its own named for the table of new texts, so a language switch reaches it
// like any caption, and the field keeps its width whatever it says. Each has
// a short form too, its whole text as the tooltip, for a narrow line.
//
// What the window shows is what the editors show, text typed but not yet
// taken included: that is what the user compares with the unit.
class UnitMatchField : public QWidget, private LinkView {
    Q_OBJECT

public:
    // `shown` gives the set as the editors show it now, without taking anything.
    UnitMatchField(ParameterDocument& document, Link& link, std::function<ParameterSet()> shown,
                   QWidget* parent = nullptr);

    UnitMatch State() const { return indicator_.state(); }
    bool DiffersFromFile() const { return indicator_.differsFromFile(); }

    // The window's set was opened from a file or saved to one.
    void FileMatches();
    // The window names no file any more.
    void NoFile();
    // What the unit holds is unknown again: another port, a reconnect.
    void UnitUnknown();
    // Something was typed or ticked in an editor, not yet taken.
    void EditorsEdited();
    void RestorePointFailed(const QString& error);
    void RestorePointsWritten();
    // While live changes have blocks left to write, says so (text, and
    // shortText in the short form) in place of the state; empty: the state again.
    void ShowPending(const QString& text, const QString& shortText);

    // Short forms instead of the texts; the width the texts take.
    void SetCompact(bool compact);
    int FullWidth() const;

private:
    void Show();
    void readCompleted() override;
    void showStatus(MessageId id) override;

    ParameterDocument& document_;
    Link& link_;
    std::function<ParameterSet()> shown_;
    UnitMatchIndicator indicator_;
    bool compact_ = false;
    QStackedWidget* states_ = nullptr;
    QStackedWidget* shortStates_ = nullptr;
    QLabel* differs_ = nullptr;
    QLabel* differsShort_ = nullptr;
    QLabel* failed_ = nullptr;
    QLabel* failedShort_ = nullptr;
    QLabel* pending_ = nullptr;
    QLabel* pendingShort_ = nullptr;
};

}  // namespace ign
