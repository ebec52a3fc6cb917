#pragma once

#include "DeviceImageCodec.h"
#include "ParameterDocument.h"

namespace ign {

class EditorBinding;
class IgnitionPage;

// The editors as the document reads and shows them: every bound control,
// and what the ignition page shows of the set beside its fields (the
// excitation mark, the gas fields, the unit's identification).
class PageEditors final : public SetEditors {
public:
    PageEditors(EditorBinding& editors, IgnitionPage& ignition) : editors_(editors), ignition_(ignition) {}

    void ReadEditors(ParameterSet& set) override;
    void RefreshEditors(const ParameterSet& set) override;
    // Shown with every refresh from now on.
    void SetIdentification(const UnitIdentification& id) { identification_ = id; }

private:
    EditorBinding& editors_;
    IgnitionPage& ignition_;
    UnitIdentification identification_;
};

}  // namespace ign
