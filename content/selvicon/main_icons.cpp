// Main icons: JPEG images of the feasts, seasons and generic icons, keyed below 10000,
// each with a caption string of the same number.
#include "content_api.h"
#include "rcdata.h"

extern const rsrc::ResourceModule selvicon_resources;

namespace {

constexpr uint16_t kFirstSupplementalKey = 10000;

} // namespace

extern "C" rsrc::HMODULE GetInstance()
{
    return &selvicon_resources;
}

extern "C" rsrc::HRSRC FindJpgResource(const uint16_t& Id)
{
    return Id < kFirstSupplementalKey ? selvcontent::FindRcData(&selvicon_resources, Id) : nullptr;
}

extern "C" const void* LoadJpgFromResource(const uint16_t& Id)
{
    return Id < kFirstSupplementalKey ? selvcontent::LoadRcData(&selvicon_resources, Id) : nullptr;
}
