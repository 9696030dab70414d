#include "filters/frame/HostDetection.h"

#include "base/QnExcept.h"
#include "filters/frame/FilterModuleApp.h"
#include "filters/frame/FilterModuleState.h"
#include "filters/frame/FrameUi.h"
#include "filters/frame/HostRoutines.h"

void DetectHost(FilterRecord* record)
{
    FilterModuleState& state = FrameState();
    platform::IniFile& profile = FilterModuleApp::Get().Profile();
    const int32_t hostSig = static_cast<int32_t>(record->hostSig);
    const int32_t storedSig = profile.GetInt("Host", "Hostsign", -1);
    if (state.hostNumber == -1 || storedSig != hostSig) {
        if (state.hostNumber != -1)
            ShowHostChangedMessage();
        int32_t chosen = state.hostNumber;
        if (AskForHost(record->hostSig, chosen)) {
            state.hostNumber = chosen;
            try {
                profile.WriteInt("Host", "Hostnum", chosen);
                profile.WriteInt("Host", "Hostsign", hostSig);
            } catch (const QnExcept&) {
                // The choice holds for this load; the next one asks again.
            }
        }
    }
    ChooseHostRoutines(state.hostNumber);
}
