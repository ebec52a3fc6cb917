#include "FactorySet.h"

#include "DeviceImageCodec.h"
#include "New.h"

namespace ign {

void LoadFactorySet(SimulatedUnit& unit, Byte keying) {
    ParameterSet set;
    set.ignition.KEYING = keying;
    ApplyMachineDefaults(set);
    PackDeviceImage(set);
    for (int offset = 1; offset <= kWritableBlocks * kBlockSize; ++offset) {
        unit.setMemory(offset, set.image.at(offset));
    }
}

}  // namespace ign
