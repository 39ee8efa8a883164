class A : public B, virtual protected C {
  class In { int a; };
  enum { k = (1 << 2), j };
  struct S { int b; } s;
  virtual ~A();
  void f() = 0;
  /* comment */ "str""ing" x;
};
class B : A { };
template <class T> class D;
