#pragma once
// Small helpers shared by the return-engine tests.

#include "ErrorOf.h"
#include "returnengine/model/iTop.h"

#include <gtest/gtest.h>
