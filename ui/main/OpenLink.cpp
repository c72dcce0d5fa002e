#include "OpenLink.h"
