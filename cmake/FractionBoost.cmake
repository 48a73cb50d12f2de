# Boost's headers: Boost.Multiprecision is the exact reference of the unit
# tests and the fuzz target. A cross build finds none for its target, and its
# unit tests go without the reference.
if(CMAKE_CROSSCOMPILING)
  find_package(Boost CONFIG QUIET)
else()
  find_package(Boost CONFIG REQUIRED)
endif()
# Boost 1.74 (Debian 12) derives its hashes from std::unary_function, which
# libc++ 16 leaves out from C++17 on; this tells Boost to do without it, as
# Boost's own configuration does where it knows of the removal.
if(TARGET Boost::headers)
  set_property(TARGET Boost::headers APPEND PROPERTY
    INTERFACE_COMPILE_DEFINITIONS BOOST_NO_CXX98_FUNCTION_BASE)
endif()
