// Supplemental icons: JPEG images keyed by 10000 * (the icon's number on its day) + month * 100 + day,
// each with a caption string of the same number.
#include "content_api.h"
#include "rcdata.h"

extern const rsrc::ResourceModule selvxtra_resources;

extern "C" const void* LoadMultJpgFromResource(const uint16_t& Id)
{
    return selvcontent::LoadRcData(&selvxtra_resources, Id);
}

extern "C" rsrc::HRSRC FindMultJpgResource(const uint16_t& Id)
{
    return selvcontent::FindRcData(&selvxtra_resources, Id);
}

extern "C" rsrc::HMODULE GetMultInstance()
{
    return &selvxtra_resources;
}
