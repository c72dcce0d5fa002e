#include "Form3.h"
