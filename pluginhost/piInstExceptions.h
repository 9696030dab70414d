// What a failed plug-in run throws (by value; caught by type). None carries
// data: the caller decides from the type. piInst_cancel (the user stopped
// the run) is deliberately not a piInst_error.
#pragma once

class piInst_error {};
class piInst_err_nomemory : public piInst_error {};
class piInst_err_ID : public piInst_error {};
class piInst_err_execute : public piInst_error {};
class piInst_err_params : public piInst_error {};
class piInst_err_hostparams : public piInst_error {};
class piInst_err_getproc : public piInst_error {};
class piInst_err_host : public piInst_error {};
class piInst_err_loadDll : public piInst_error {};

class piInst_cancel {};
