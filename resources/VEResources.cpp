// The compiled-in resources of the programs (images, interface files, property
// lists) are attached to this library by the build.
