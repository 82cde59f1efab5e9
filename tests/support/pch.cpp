// The precompiled header of the widget and end-to-end tests is built from this empty source.
