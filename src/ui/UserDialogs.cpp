#include "ui/UserDialogs.h"
