// The intro window comes here.
