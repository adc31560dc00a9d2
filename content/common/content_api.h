#pragma once
// The functions the content libraries export, as the program calls them.
//
//   selvhymn  troparia and kontakia of every day   (linked)
//   selvlife  lives of the saints of every day     (linked)
//   selvicon  main icons, keys below 10000         (linked)
//   selvxtra  supplemental icons, keys 10000 up    (loaded by path with dlopen, found with dlsym)
//
// Text documents are NUL-terminated RTF owned by the library. Images are whole JPEG
// files owned by the library; their byte length is rsrc::SizeofResource(module, handle)
// and their caption is string `Id` of the same module (rsrc::LoadString).
#include <cstdint>

#include "resources.h"

// The libraries build with hidden symbols; these alone are exported.
#define SELV_CONTENT_EXPORT __attribute__((visibility("default")))

extern "C" {

// selvhymn
SELV_CONTENT_EXPORT uint16_t SearchTropLookupTable(const char* SearchText, uint16_t FromKey);
SELV_CONTENT_EXPORT const char* LoadTropFromResource(uint16_t Id);

// selvlife
SELV_CONTENT_EXPORT uint16_t SearchLivesLookupTable(const char* SearchText, uint16_t FromKey);
SELV_CONTENT_EXPORT const char* LoadLivesFromResource(uint16_t Id);

// selvicon
SELV_CONTENT_EXPORT rsrc::HMODULE GetInstance();
SELV_CONTENT_EXPORT rsrc::HRSRC FindJpgResource(const uint16_t& Id);
SELV_CONTENT_EXPORT const void* LoadJpgFromResource(const uint16_t& Id);

// selvxtra
SELV_CONTENT_EXPORT const void* LoadMultJpgFromResource(const uint16_t& Id);
SELV_CONTENT_EXPORT rsrc::HRSRC FindMultJpgResource(const uint16_t& Id);
SELV_CONTENT_EXPORT rsrc::HMODULE GetMultInstance();

} // extern "C"

// Signatures of the selvxtra functions for dlsym.
using LoadMultJpgFromResourceFn = const void* (*)(const uint16_t&);
using FindMultJpgResourceFn = rsrc::HRSRC (*)(const uint16_t&);
using GetMultInstanceFn = rsrc::HMODULE (*)();
