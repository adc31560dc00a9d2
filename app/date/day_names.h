#pragma once
// The program's own string table: the names of the days of the moveable cycle.
#include "resources.h"

extern const rsrc::ResourceModule selvmain_resources;
