#include "platform/test_picture.h"

int main() { return RunTestPicture(); }
