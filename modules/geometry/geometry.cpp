// The geometry windows arrive one by one; this keeps the library valid before the first.
