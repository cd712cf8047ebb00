#pragma once

// Measure and rules are of one rank, export above both: two wrong includes.
#include "export/run.h"
#include "rules/plot.h"
#include "shared/base.h"
