#pragma once

#include <windows.h>

#include <mapicode.h>
#include <mapitags.h>
#include <mapix.h>
#include <wabapi.h>
