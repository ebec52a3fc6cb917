#pragma once

#include <QObject>
#include <vector>

namespace ign {

class EditorBinding;
class FieldBox;
class ParameterDocument;

// The heat-map colours on the injection map's hundred fields and on the
// correction rows (cylinders 2/3, water, air). Each field is tinted by the
// number it shows: at once while it is typed, and after every change of the
// set, whatever made it.
class HeatMapColours : public QObject {
    Q_OBJECT

public:
    HeatMapColours(const EditorBinding& editors, ParameterDocument& document, QObject* parent);

    void SetEnabled(bool on);
    bool Enabled() const { return enabled_; }
    void RecolourAll();

private:
    void Recolour(FieldBox& box);

    std::vector<FieldBox*> fields_;
    bool enabled_ = true;
};

}  // namespace ign
