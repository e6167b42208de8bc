#pragma once

#include "pluginhost/PluginInstance.h"

namespace tarvolin::testing {

// The state in which the Windows DLL's editor, in a real window, must look
// exactly like the headless module's: another channel than the first, with
// knobs all over their strips (the large one on its short last frame),
// selectors off their first position, toggles and the learn switch on.
inline constexpr int kReferenceChannel = 6;

struct ReferenceSetting {
    int index;
    float value;
};

inline constexpr ReferenceSetting kReferenceSettings[] = {
    {0, 1.0f},   {1, 0.1f},   {2, 0.35f},  {5, 0.8333333f},   {7, 0.6f},         {8, 0.05f},
    {9, 0.75f},  {10, 0.3f},  {12, 0.9f},  {13, 0.45f},       {14, 0.25f},       {15, 0.7f},
    {17, 0.55f}, {18, 0.15f}, {19, 0.95f}, {23, 0.65f},       {24, 0.2f},        {28, 0.4f},
    {29, 0.8f},  {30, 0.6f},  {31, 0.3f},  {33, 0.85f},       {34, 0.1f},        {35, 0.5f},
    {36, 0.9f},  {37, 0.2f},  {38, 0.7f},  {41, 0.35f},       {42, 0.65f},       {43, 0.0f},
    {44, 0.45f}, {6, 1.0f},   {11, 0.5f},  {20, 2.0f / 3.0f}, {25, 1.0f / 3.0f}, {16, 1.0f},
    {26, 0.5f},  {39, 1.0f},  {21, 0.75f}, {22, 1.0f},        {27, 0.5f},        {40, 1.0f},
    {45, 1.0f},
};

// Selects the reference channel and stores the settings there; the editor
// opened afterwards shows them.
inline void applyReferenceState(const host::PluginInstance& plugin) {
    plugin.setParameter(50, static_cast<float>(kReferenceChannel) / 15.0f);
    for (const ReferenceSetting& setting : kReferenceSettings) {
        plugin.setParameter(setting.index, setting.value);
    }
}

} // namespace tarvolin::testing
