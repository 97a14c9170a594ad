// Arbitrary bytes as a settings file: reading must never crash, and whatever
// was read in full must come back unchanged through a save.
#include "core/SettingsFileFormat.h"

#include <cstdint>
#include <cstdlib>

namespace {

template <class Group>
void ReadAndWriteBack(const QByteArray& bytes)
{
    Group group;
    if (!ParseSettings(bytes, group))
        return;
    const std::optional<QByteArray> written = SerializeSettings(group);
    if (!written)
        return;
    Group again;
    if (!ParseSettings(*written, again) || !(again == group))
        std::abort();
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, static_cast<qsizetype>(size - 1));
    switch (data[0] % 5) {
    case 0:
        ReadAndWriteBack<BasicSettings>(bytes);
        break;
    case 1:
        ReadAndWriteBack<ScreenSettings>(bytes);
        break;
    case 2:
        ReadAndWriteBack<SoundSettings>(bytes);
        break;
    case 3:
        ReadAndWriteBack<EffectSettings>(bytes);
        break;
    default:
        ReadAndWriteBack<MicSettings>(bytes);
        break;
    }
    return 0;
}
