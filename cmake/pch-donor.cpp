// The translation unit whose compilation makes a set of precompiled headers
// (cmake/PrecompiledHeaders.cmake); it holds nothing of its own.
