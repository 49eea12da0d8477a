// Symbol visibility of the platform library. The platform is one shared library per process, as
// the operating system's services are: the host and every plug-in loaded into it share it.
#pragma once

#if defined(_WIN32)
#if defined(PIPETRIM_PLATFORM_BUILD)
#define PLATFORM_API __declspec(dllexport)
#else
#define PLATFORM_API __declspec(dllimport)
#endif
#else
#define PLATFORM_API __attribute__((visibility("default")))
#endif
