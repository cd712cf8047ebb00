#pragma once

#include "measure/scale.h"
#include "shared/base.h"
