// The start of every engine-level target: one hidden window, made before the
// first input so that no input pays for it.

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::Initialize(argc, argv);
    FuzzSupport::EngineWindow();
    return 0;
}
