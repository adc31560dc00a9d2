// The one source of both text libraries. Each library builds it with its own names:
//   SELV_SEARCH_FN        exported name of the saint search
//   SELV_LOAD_FN          exported name of the document loader
//   SELV_RESOURCE_MODULE  the library's resource table (documents as RCDATA)
//   SELV_PACKED_LOOKUP    1 for packed lookup records
#include "content_api.h"
#include "lookup_record.h"
#include "lookup_search.h"
#include "rcdata.h"

static_assert(sizeof(selvcontent::TLookupRecord) == (SELV_PACKED_LOOKUP ? 10 : 16));

extern const rsrc::ResourceModule SELV_RESOURCE_MODULE;

extern "C" uint16_t SELV_SEARCH_FN(const char* SearchText, uint16_t FromKey)
{
    try {
        return selvcontent::SearchLookupTable(selvcontent::kLookupTable, selvcontent::kLookupDays,
                                              SearchText, FromKey);
    } catch (...) {
        return 0;
    }
}

extern "C" const char* SELV_LOAD_FN(uint16_t Id)
{
    return static_cast<const char*>(selvcontent::LoadRcData(&SELV_RESOURCE_MODULE, Id));
}
