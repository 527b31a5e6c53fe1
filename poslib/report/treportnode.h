#pragma once

// The report nodes of every family, for callers that use several: the
// common machinery (treportnodebase.h, tleafindex.h) and the families, each
// with its leaves.
#include "trepdepartments.h"
#include "trepordernodes.h"
#include "treppaynodes.h"
#include "treprecordnodes.h"
#include "treptables.h"
#include "trepvatrates.h"
#include "trepvoidnodes.h"
