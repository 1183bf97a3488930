#pragma once

// The platform's messaging and WAB declarations, in the order they build on each other.
#include <windows.h>

#include <mapitags.h>
#include <mapix.h>
#include <wabapi.h>
